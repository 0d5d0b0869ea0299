# tw_add_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2 [ENV VAR=value ...] [LABELS label])
# One line per test executable: builds it against GoogleTest and registers every test case
# with CTest. Each test case runs in a sandbox of its own (cmake/run-sandboxed.sh): empty
# XDG_CONFIG_HOME and XDG_RUNTIME_DIR folders and the offscreen Qt platform, unless ENV says
# otherwise. The headers of the test's own folder are its own ("tests/<folder>/Name.h").
find_package(GTest REQUIRED)
include(GoogleTest)

function(tw_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ENV;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gmock GTest::gtest_main ${ARG_LIBS})
  tw_include_root(${name})
  # The sandbox goes on the command line of both the listing and the runs of the tests (a
  # list given as the ENVIRONMENT property would be split apart by the test discovery), and is
  # made anew for every run, so test cases of one executable may run in parallel.
  set_property(TARGET ${name} PROPERTY CROSSCOMPILING_EMULATOR
    ${PROJECT_SOURCE_DIR}/cmake/run-sandboxed.sh ${ARG_ENV} --)
  set(properties TIMEOUT 120)
  if(ARG_LABELS)
    list(APPEND properties LABELS ${ARG_LABELS})  # one label: a list would be split too
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES ${properties})
endfunction()
