# tw_add_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2 [ENV VAR=value ...] [LABELS l ...])
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
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES
      ENVIRONMENT "XDG_CONFIG_HOME=${sandbox}/config;XDG_RUNTIME_DIR=${sandbox}/runtime;QT_QPA_PLATFORM=offscreen;${ARG_ENV}"
      LABELS "${ARG_LABELS}"
      TIMEOUT 120)
endfunction()
