# tw_add_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2 [ENV VAR=value ...] [LABELS label])
# One line per test executable: builds it against GoogleTest and registers every test case
# with CTest. Each test runs with its own empty XDG_CONFIG_HOME and XDG_RUNTIME_DIR so that
# nothing touches the real user's settings or runtime files, and with the offscreen Qt
# platform unless ENV says otherwise.
find_package(GTest REQUIRED)
include(GoogleTest)

function(tw_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ENV;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gmock GTest::gtest_main ${ARG_LIBS})
  set(sandbox ${CMAKE_CURRENT_BINARY_DIR}/${name}.home)
  file(MAKE_DIRECTORY ${sandbox}/config ${sandbox}/runtime)
  # A runtime folder open to others is refused by the programs, as it must be.
  execute_process(COMMAND chmod 0700 ${sandbox}/runtime)
  # The environment goes on the command line of both the listing and the runs of the tests:
  # a list given as the ENVIRONMENT property would be split apart by the test discovery.
  set_property(TARGET ${name} PROPERTY CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -E env
    XDG_CONFIG_HOME=${sandbox}/config XDG_RUNTIME_DIR=${sandbox}/runtime
    QT_QPA_PLATFORM=offscreen ${ARG_ENV})
  set(properties TIMEOUT 120)
  if(ARG_LABELS)
    list(APPEND properties LABELS ${ARG_LABELS})  # one label: a list would be split too
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES ${properties})
endfunction()
