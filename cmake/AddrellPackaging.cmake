# The Debian package: `cpack -G DEB` in a build folder (tools/package makes a release one).
set(CPACK_PACKAGE_NAME addrell)
set(CPACK_PACKAGE_VENDOR "Addrell")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Lines of at most 80 characters, as Debian's package tools show them.
set(CPACK_PACKAGE_DESCRIPTION
    "Addrell prints addressed envelopes: US #10 (the default), #9, #6 3/4, Monarch,
A2, A7, DL, C4, C5, C6, C6/5, B5, B6 or a size of your own, with the fonts and
the places of the two addresses as you choose them and a preview of the result.

The recipient comes from your own address books: vCard files and folders, the
desktop contacts server (GNOME Contacts, Evolution, online accounts) or
Thunderbird; or it is typed in. Return addresses come from a plain-text file of
your own. Several contacts print as one job, one envelope each.

It prints on any CUPS printer, right-fed or centre-fed, or saves the envelopes
as a PDF file.")
set(CPACK_PACKAGE_CONTACT "Addrell developers <maintainers@addrell.org>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://addrell.org/)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the libraries do not say: the fonts the window's Windows font names map to, and Qt's
# window-system plugins.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cups")

# The user writes their own return addresses into /etc/addrell/ReturnAddress.txt: as a conffile,
# an upgrade keeps their edits instead of putting the sample back.
file(WRITE ${PROJECT_BINARY_DIR}/debian/conffiles "/etc/addrell/ReturnAddress.txt\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_BINARY_DIR}/debian/conffiles)

include(CPack)
