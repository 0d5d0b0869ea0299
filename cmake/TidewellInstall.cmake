# tw_install_program(TARGET NAME): installs the program TARGET with its desktop entry NAME.desktop
# (from the current source folder) and its icon, drawn at build time as a 256-pixel NAME.png.
function(tw_install_program target name)
  tw_artwork(OUTPUT ${name}.png KIND icon-png ARGS 256)
  add_custom_target(${name}_icon ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${name}.png)
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${name}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${name}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
endfunction()
