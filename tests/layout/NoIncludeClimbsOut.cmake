# The build keeps each folder to the headers of the targets it links; an include whose path climbs
# out with ".." would reach any folder past that, so no source may have one.
#   cmake -DSOURCE_DIR=<the source tree> -P NoIncludeClimbsOut.cmake
set(pattern "^[ \t]*#[ \t]*include[ \t]*[<\"][^>\"]*\\.\\.")

# The pattern itself, on lines it must catch and lines it must let be.
foreach(line [[#include "../../ui/AddRemovePair.h"]] [[  #  include <platform/../gdi/Types.h>]])
  if(NOT line MATCHES "${pattern}")
    message(FATAL_ERROR "the check would miss: ${line}")
  endif()
endforeach()
foreach(line [[#include "platform/gdi/Types.h"]] [[// see #include "../x.h"]])
  if(line MATCHES "${pattern}")
    message(FATAL_ERROR "the check would refuse: ${line}")
  endif()
endforeach()

file(GLOB_RECURSE sources LIST_DIRECTORIES false RELATIVE ${SOURCE_DIR}
  ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.hpp ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.cc)
set(checked 0)
set(found "")
foreach(source IN LISTS sources)
  if(source MATCHES "^(build[^/]*|\\.git)/")
    continue() # what the build generates, and git's own files
  endif()
  math(EXPR checked "${checked} + 1")
  file(STRINGS ${SOURCE_DIR}/${source} lines REGEX "${pattern}")
  foreach(line IN LISTS lines)
    string(APPEND found "\n  ${source}: ${line}")
  endforeach()
endforeach()
if(checked LESS 100)
  message(FATAL_ERROR "only ${checked} sources found under ${SOURCE_DIR}: the wrong folder?")
endif()
if(found)
  message(FATAL_ERROR "includes that climb out of their folder:${found}")
endif()
message(STATUS "${checked} sources, no include climbs out of its folder")
