# tw_install_program(TARGET NAME ICON ICON_NAME): installs the program TARGET with its desktop
# entry NAME.desktop (from the current source folder), whose Icon= names ICON_NAME, and that
# icon, drawn at build time as a 256-pixel ICON_NAME.png. Programs that share an icon share its
# one file: the first program that names it draws and installs it.
function(tw_install_program target name)
  cmake_parse_arguments(ARG "" "ICON" "" ${ARGN})
  if(NOT ARG_ICON)
    message(FATAL_ERROR "tw_install_program needs ICON")
  endif()
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${name}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  get_property(icons GLOBAL PROPERTY tw_installed_icons)
  if(ARG_ICON IN_LIST icons)
    return()
  endif()
  set_property(GLOBAL APPEND PROPERTY tw_installed_icons ${ARG_ICON})
  tw_artwork(OUTPUT ${ARG_ICON}.png KIND icon-png ARGS 256)
  add_custom_target(${ARG_ICON}_icon ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${ARG_ICON}.png)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${ARG_ICON}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
endfunction()
