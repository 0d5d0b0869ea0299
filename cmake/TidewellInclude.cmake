# tw_include_root(TARGET [FOLDER])
# Declares the headers of FOLDER (relative to the current source folder; by default the folder
# itself) as TARGET's own. They are included by their path from the project root, e.g.
# "platform/clock/SystemTime.h", through an include folder of TARGET's own in the build tree,
# include/TARGET/, where each header of FOLDER is a link to the source. TARGET searches it and,
# for a library, so does everything that links TARGET. Headers of subfolders are not part of
# FOLDER: a library with several folders names each.
# Nothing else is on the include path, so a file can include a header only when its target
# links the library that owns it; anything else fails to compile. A header added to FOLDER
# joins at the next build, which configures anew.
function(tw_include_root target)
  set(folder ${CMAKE_CURRENT_SOURCE_DIR})
  if(ARGC GREATER 1)
    cmake_path(ABSOLUTE_PATH ARGV1 BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} NORMALIZE
               OUTPUT_VARIABLE folder)
  endif()
  cmake_path(RELATIVE_PATH folder BASE_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE form)
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  set(links ${root}/${form})

  # Links of headers that are gone go too; those of subfolders belong to other calls.
  file(GLOB stale LIST_DIRECTORIES false ${links}/*)
  if(stale)
    file(REMOVE ${stale})
  endif()
  file(MAKE_DIRECTORY ${links})
  file(GLOB headers CONFIGURE_DEPENDS LIST_DIRECTORIES false ${folder}/*.h ${folder}/*.inc)
  foreach(header ${headers})
    cmake_path(GET header FILENAME name)
    file(CREATE_LINK ${header} ${links}/${name} SYMBOLIC)
  endforeach()

  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  elseif(type STREQUAL "EXECUTABLE")
    target_include_directories(${target} PRIVATE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
