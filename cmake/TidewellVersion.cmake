# The product's one version, PROJECT_VERSION of the root project(), reaches everything that
# states it from here:
# - code links `tidewell_version` and includes "tidewell/Version.h" (tidewell::kVersion);
# - each program's version block comes from tw_version_resource.
configure_file(${CMAKE_CURRENT_LIST_DIR}/Version.h.in
               ${PROJECT_BINARY_DIR}/include/tidewell_version/tidewell/Version.h @ONLY)
add_library(tidewell_version INTERFACE)
target_include_directories(tidewell_version INTERFACE ${PROJECT_BINARY_DIR}/include/tidewell_version)

# tw_version_resource(TARGET NAME FILENAME): the version block of a program, embedded in
# TARGET as ":/res/version.json": file and product version (text form "3, 0, 0, 0"), NAME as
# file description, internal name and product name, FILENAME as the original file name.
function(tw_version_resource target name filename)
  set(TW_VERSION_TEXT
      "${PROJECT_VERSION_MAJOR}, ${PROJECT_VERSION_MINOR}, ${PROJECT_VERSION_PATCH}, ${PROJECT_VERSION_TWEAK}")
  set(TW_NAME ${name})
  set(TW_FILENAME ${filename})
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.json.in
                 ${CMAKE_CURRENT_BINARY_DIR}/res/version.json @ONLY)
  qt_add_resources(${target} ${target}_version PREFIX / BASE ${CMAKE_CURRENT_BINARY_DIR}
    FILES ${CMAKE_CURRENT_BINARY_DIR}/res/version.json)
endfunction()

# The day this version was released, as the software centres' metainfo gives it.
set(TIDEWELL_RELEASE_DATE 2026-12-07)
