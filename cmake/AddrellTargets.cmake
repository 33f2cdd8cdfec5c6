# addrell_add_library(<name> SOURCES ... [LIBS ...]): one static library per subsystem folder.
function(addrell_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# addrell_add_gtest(<name> SOURCES ... [LIBS ...]): a GoogleTest program registered with ctest.
# Every test program links tests/support, whose main() sets up an offscreen QApplication.
function(addrell_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE addrell_test_support ${ARG_LIBS})
  target_compile_definitions(${name} PRIVATE ADDRELL_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# The program's own folder once installed: it finds its ReturnAddress.txt beside its executable,
# and <prefix>/bin/addrell links to it.
set(ADDRELL_INSTALL_DIR lib/addrell)
