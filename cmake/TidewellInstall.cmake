# tw_install_program(TARGET ID ICON PICTURE)
# Installs the program TARGET, known to the desktop by its application id ID (reverse-DNS,
# org.velmora.<Program>), with what the current source folder holds for it:
# - ID.desktop, its desktop entry, to share/applications;
# - TARGET.1, its manual page, compressed at build time, to share/man/man1;
# - its launcher icon, the artwork tool's PICTURE (crescent or credits), drawn at build time
#   at each size of the icon theme to share/icons/hicolor/<N>x<N>/apps/ID.png and as a
#   scalable picture to share/icons/hicolor/scalable/apps/ID.svg.
# TARGET's main() gets ID as TW_APPLICATION_ID: the program names its desktop entry with it,
# and it is the class of the program's windows (WM_CLASS, StartupWMClass in the entry).
set(TW_ICON_SIZES 16 22 24 32 48 64 128 256 512)

function(tw_install_program target id)
  cmake_parse_arguments(ARG "" "ICON" "" ${ARGN})
  if(NOT ARG_ICON)
    message(FATAL_ERROR "tw_install_program needs ICON")
  endif()
  target_compile_definitions(${target} PRIVATE TW_APPLICATION_ID="${id}")
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

  set(manual ${CMAKE_CURRENT_BINARY_DIR}/${target}.1.gz)
  add_custom_command(
    OUTPUT ${manual}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/${target}.1 ${target}.1
    COMMAND gzip -9nf ${target}.1
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${target}.1
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    COMMENT "Compressing the manual page ${target}(1)"
    VERBATIM)
  install(FILES ${manual} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

  set(icons)
  foreach(size IN LISTS TW_ICON_SIZES)
    set(icon ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}/${id}.png)
    tw_artwork(OUTPUT ${icon} KIND icon-png ARGS ${ARG_ICON} ${size})
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    list(APPEND icons ${icon})
  endforeach()
  set(icon ${CMAKE_CURRENT_BINARY_DIR}/icons/scalable/${id}.svg)
  tw_artwork(OUTPUT ${icon} KIND icon-svg ARGS ${ARG_ICON})
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  list(APPEND icons ${icon})
  add_custom_target(${target}_desktop ALL DEPENDS ${manual} ${icons})
endfunction()
