# Fails when a source file under SRC includes a header of a higher layer, or when a file of
# the display-free core includes Qt or a widget folder. Run as
#   cmake -DSRC=<repository>/SRC -P CheckLayers.cmake
#
# The layers from the bottom up; a folder may include its own layer and those below it:
#   res, text, controls (Qt helpers over text), syntax, spell/core, view/core, edit/core,
#   findfiles/core, doc, view, edit, findfiles, frame, app.
set(layers res text controls syntax spell/core view/core edit/core findfiles/core doc view edit findfiles frame app)
# Folders of the display-free core: no Qt, no widget folder.
set(core_folders res text syntax spell/core view/core edit/core findfiles/core doc/core frame/core)

function(folder_of path out)
  # The folder of a path below SRC: "view/core" for SRC/view/core/X.h, "doc" for doc/core
  # files as far as layers go (doc/core is the core part of the doc layer, frame/core of the
  # frame layer).
  string(REGEX MATCH "^[a-z]+(/core)?" folder "${path}")
  set(${out} "${folder}" PARENT_SCOPE)
endfunction()

function(layer_of folder out)
  if(folder STREQUAL "doc/core" OR folder STREQUAL "frame/core")
    string(REPLACE "/core" "" folder "${folder}")
  endif()
  list(FIND layers "${folder}" rank)
  set(${out} ${rank} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE "${SRC}" "${SRC}/*.h" "${SRC}/*.cpp" "${SRC}/*.h.in")
set(faults "")
foreach(source IN LISTS sources)
  folder_of("${source}" folder)
  layer_of("${folder}" rank)
  if(rank LESS 0)
    string(APPEND faults "${source}: folder ${folder} has no layer\n")
    continue()
  endif()
  list(FIND core_folders "${folder}" core)
  file(STRINGS "${SRC}/${source}" includes REGEX "^#include [<\"]")
  foreach(line IN LISTS includes)
    if(line MATCHES "^#include <(Q[A-Za-z]*)>")
      if(core GREATER -1)
        string(APPEND faults "${source}: the core includes <${CMAKE_MATCH_1}>\n")
      endif()
      continue()
    endif()
    if(NOT line MATCHES "^#include \"([^\"]+)\"")
      continue()
    endif()
    set(header "${CMAKE_MATCH_1}")
    if(NOT EXISTS "${SRC}/${header}")
      continue() # a header of the same folder by its bare name, or a generated one
    endif()
    folder_of("${header}" target)
    layer_of("${target}" target_rank)
    if(target_rank GREATER rank)
      string(APPEND faults "${source}: ${folder} includes ${header} of the higher layer ${target}\n")
    endif()
    list(FIND core_folders "${target}" target_core)
    if(core GREATER -1 AND target_core EQUAL -1)
      string(APPEND faults "${source}: the core includes ${header} of the widgets\n")
    endif()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes against the layers:\n${faults}")
endif()
message(STATUS "Every include follows the layers")
