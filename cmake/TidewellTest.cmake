# tw_add_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2 [ENV VAR=value ...] [LABELS label]
#             [PREFIX text])
# One line per test executable: builds it against GoogleTest and registers every test case
# with CTest, each as a process of its own. Its main() (tests/support/SandboxMain.cpp) first
# makes the process a sandbox of its own: empty configuration, runtime and home folders and the
# offscreen Qt platform (tests/support/Sandbox.h), then sets the values of ENV, which may
# override those. ENV is built into the executable, so a test run by hand runs as under CTest.
# PREFIX goes before the name of each case in CTest, for one source built into several
# executables. The headers of the test's own folder are its own ("tests/<folder>/Name.h").
find_package(GTest REQUIRED)
include(GoogleTest)

function(tw_add_test name)
  cmake_parse_arguments(ARG "" "PREFIX" "SOURCES;LIBS;ENV;LABELS" ${ARGN})

  set(entries "")
  foreach(entry IN LISTS ARG_ENV)
    string(REPLACE "\\" "\\\\" entry "${entry}")
    string(REPLACE "\"" "\\\"" entry "${entry}")
    string(APPEND entries "\"${entry}\", ")
  endforeach()
  set(environment ${CMAKE_CURRENT_BINARY_DIR}/${name}_environment.cpp)
  file(CONFIGURE OUTPUT ${environment} @ONLY CONTENT [[
// Made by tw_add_test: the ENV of @name@, set in its sandbox after the sandbox's own values.
#include "tests/support/Sandbox.h"

const char* const testsupport::kTestEnvironment[] = {@entries@nullptr};
]])

  add_executable(${name} ${ARG_SOURCES} ${environment})
  target_link_libraries(${name} PRIVATE test_main GTest::gtest GTest::gmock ${ARG_LIBS})
  tw_include_root(${name})
  set(properties TIMEOUT 120)
  if(ARG_LABELS)
    list(APPEND properties LABELS ${ARG_LABELS})  # one label: a list would be split apart
  endif()
  if(ARG_PREFIX)
    list(APPEND properties_prefix TEST_PREFIX ${ARG_PREFIX})
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST ${properties_prefix}
                       PROPERTIES ${properties})
endfunction()
