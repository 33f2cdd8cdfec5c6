# An optimised build is hardened the way Debian builds its own packages: the flags come from
# dpkg-buildflags with every hardening feature on (fortify, stack protector, relro and bind-now,
# PIE). Its optimisation and debug flags are left out: the build type chooses those. Sanitized
# and fuzzing builds stay as they are, and a debug build cannot fortify without optimising.
if(ADDRELL_SANITIZE OR ADDRELL_FUZZ OR NOT CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
  return()
endif()

find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
  message(WARNING "dpkg-buildflags not found (package dpkg-dev): the build is not hardened")
  return()
endif()

function(addrell_buildflags kind out)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${DPKG_BUILDFLAGS} --get ${kind}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^-(O[0-9s]?|g[0-9]?)$")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

addrell_buildflags(CPPFLAGS cppflags)
addrell_buildflags(CXXFLAGS cxxflags)
addrell_buildflags(LDFLAGS ldflags)
add_compile_options(${cppflags} ${cxxflags})
add_link_options(${ldflags})

include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/lintian-overrides
        DESTINATION share/lintian/overrides RENAME addrell)
