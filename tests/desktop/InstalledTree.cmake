# cmake -DBUILD=<build tree> -DTREE=<scratch folder> -DAPPSTREAMCLI=<program>
#       -P InstalledTree.cmake
# The test desktop.installed_tree: installs the build into TREE/usr as a package would and
# checks that the pieces find each other there. The metainfo's desktop entry is present
# (appstreamcli validate-tree); each desktop entry starts a program that is installed, names
# its icon and its window class by its own file name, has its icon at every launcher size,
# and its program has its manual page. Names every fault it finds.
set(sizes 16 22 24 32 48 64 128 256 512)

file(REMOVE_RECURSE ${TREE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${TREE}/usr
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${errors}")
endif()

set(faults)
execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net --strict ${TREE}
                RESULT_VARIABLE status OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(NOT status EQUAL 0)
  list(APPEND faults "appstreamcli validate-tree:\n${report}")
endif()

set(share ${TREE}/usr/share)
file(GLOB entries ${share}/applications/*.desktop)
if(NOT entries)
  list(APPEND faults "no desktop entry in share/applications")
endif()
foreach(entry IN LISTS entries)
  cmake_path(GET entry STEM LAST_ONLY id)
  file(STRINGS ${entry} lines)
  set(keys Exec Icon StartupWMClass)
  foreach(key IN LISTS keys)
    set(${key} "")
  endforeach()
  foreach(line IN LISTS lines)
    foreach(key IN LISTS keys)
      if(line MATCHES "^${key}=(.*)$")
        set(${key} "${CMAKE_MATCH_1}")
      endif()
    endforeach()
  endforeach()

  string(REGEX REPLACE " .*" "" program "${Exec}")
  if(NOT program OR NOT EXISTS ${TREE}/usr/bin/${program})
    list(APPEND faults "${id}: Exec '${Exec}' is not a program in bin")
  elseif(NOT EXISTS ${share}/man/man1/${program}.1.gz)
    list(APPEND faults "${id}: no manual page man1/${program}.1.gz")
  endif()
  foreach(key Icon StartupWMClass)
    if(NOT "${${key}}" STREQUAL id)
      list(APPEND faults "${id}: ${key} is '${${key}}', not the entry's name")
    endif()
  endforeach()

  foreach(size IN LISTS sizes)
    set(icon ${share}/icons/hicolor/${size}x${size}/apps/${id}.png)
    if(NOT EXISTS ${icon})
      list(APPEND faults "${id}: no icon ${size}x${size}/apps/${id}.png")
      continue()
    endif()
    # The PNG header: signature, chunk length and type, then width and height (big-endian).
    file(READ ${icon} header HEX OFFSET 16 LIMIT 8)
    string(SUBSTRING "${header}" 0 8 width)
    string(SUBSTRING "${header}" 8 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
      list(APPEND faults "${id}: icon ${size}x${size} is ${width} x ${height}")
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " listing)
  message(FATAL_ERROR "The installed tree in ${TREE}:\n  ${listing}")
endif()
list(LENGTH entries count)
message(STATUS "${count} desktop entries, their programs, icons and manual pages in place")
