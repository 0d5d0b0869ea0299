# cmake -DSOURCE=<source tree> -DBUILD=<build tree> -DCLANG_FORMAT=<program> -P CheckFormat.cmake
# The test style.clang_format: fails, naming them, when any C++ file (*.cpp, *.h, *.inc) of the
# source tree is not as clang-format writes it with the root's .clang-format. The files are
# those git tracks; outside a git checkout (a source archive), those found by name outside the
# build tree. Fix with: clang-format -i FILE...
if(NOT CLANG_FORMAT)
  message(FATAL_ERROR "clang-format not found: install the Debian package clang-format "
                      "(.ci/packages.txt; ./build.sh installs it)")
endif()

set(files)
find_package(Git QUIET)
if(GIT_FOUND)
  execute_process(COMMAND ${GIT_EXECUTABLE} -C ${SOURCE} ls-files -- *.cpp *.h *.inc
                  OUTPUT_VARIABLE listed RESULT_VARIABLE status ERROR_QUIET)
endif()
if(GIT_FOUND AND status EQUAL 0)
  string(REPLACE "\n" ";" listed "${listed}")
  foreach(file IN LISTS listed)
    if(file AND EXISTS ${SOURCE}/${file})  # a tracked file deleted but not yet committed
      list(APPEND files ${file})
    endif()
  endforeach()
else()
  message(STATUS "Not a git checkout: checking the C++ files found in ${SOURCE}")
  file(GLOB_RECURSE found RELATIVE ${SOURCE} ${SOURCE}/*.cpp ${SOURCE}/*.h ${SOURCE}/*.inc)
  foreach(file IN LISTS found)
    set(generated FALSE)
    if(NOT BUILD STREQUAL SOURCE)
      cmake_path(IS_PREFIX BUILD ${SOURCE}/${file} NORMALIZE generated)
    endif()
    if(NOT generated AND NOT file MATCHES "^(\\.git|build[^/]*)/")
      list(APPEND files ${file})
    endif()
  endforeach()
endif()
list(LENGTH files count)
if(count EQUAL 0)
  message(FATAL_ERROR "no C++ files found in ${SOURCE}")
endif()

execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${files}
                WORKING_DIRECTORY ${SOURCE} RESULT_VARIABLE status ERROR_VARIABLE complaints)
if(NOT status EQUAL 0)
  # Each complaint begins "FILE:LINE:COLUMN: error: ..."
  string(REGEX MATCHALL "[^\n]+:[0-9]+:[0-9]+: error:" located "${complaints}")
  set(bad)
  foreach(line IN LISTS located)
    string(REGEX REPLACE ":[0-9]+:[0-9]+: error:$" "" file "${line}")
    list(APPEND bad ${file})
  endforeach()
  list(REMOVE_DUPLICATES bad)
  if(NOT bad)
    message(FATAL_ERROR "clang-format failed:\n${complaints}")
  endif()
  list(LENGTH bad nbad)
  list(JOIN bad "\n  " listing)
  message(FATAL_ERROR "${nbad} of ${count} C++ files are not formatted (clang-format -i FILE):\n"
                      "  ${listing}")
endif()
message(STATUS "${count} C++ files formatted as .clang-format says")
