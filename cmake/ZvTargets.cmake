# Each target exposes exactly the headers it lists, under the path the code includes them by
# ("platform/vb/Numbers.h"): links to them are laid in a folder of the target's own in the build
# tree, and that folder is the target's only include directory. A file that includes a header of a
# target it does not link therefore fails to compile, so the layers cannot knot unnoticed.
function(zv_expose_headers target)
  get_target_property(sources ${target} SOURCES)
  get_target_property(source_dir ${target} SOURCE_DIR)
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  foreach(source IN LISTS sources)
    if(NOT source MATCHES "\\.h$")
      continue()
    endif()
    get_filename_component(absolute ${source} ABSOLUTE BASE_DIR ${source_dir})
    file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${absolute})
    get_filename_component(folder ${root}/${relative} DIRECTORY)
    file(MAKE_DIRECTORY ${folder})
    file(CREATE_LINK ${absolute} ${root}/${relative} SYMBOLIC)
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE $<BUILD_INTERFACE:${root}>)
  else()
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
  endif()
endfunction()

# A static library of one folder, exposing its headers as above.
function(zv_add_library target)
  add_library(${target} STATIC ${ARGN})
  zv_expose_headers(${target})
endfunction()
