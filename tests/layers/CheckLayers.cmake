# Fails when a file includes a header of a higher layer, a header that is not there, or when a
# file of the display-free core includes Qt or a widget folder. Run as
#   cmake -DROOT=<repository> -P CheckLayers.cmake
#
# The layers from the bottom up; a folder may include its own layer and those below it:
#   res, text, controls (Qt helpers over text), syntax, spell/core, settings, session, view/core,
#   edit/core, findfiles/core, doc, recovery, instance, view, edit, findfiles, frame, app.
# A folder's core/ belongs to the folder's layer unless it is a layer of its own.
#
# tests/ mirrors SRC/: a test of a folder is held to that folder's layer, and the tests of the
# core to the core's rules. The fuzzers are core programs above every layer; the test support,
# the end-to-end tests and the drivers and benchmarks of bench/ stand above every layer.
cmake_policy(VERSION 3.25)

set(layers res text controls syntax spell/core settings session view/core edit/core findfiles/core
    doc recovery instance view edit findfiles frame app)
# Folders of the display-free core: no Qt, no widget folder.
set(core_folders res text syntax spell/core settings/core session/core view/core edit/core
    findfiles/core recovery/core frame/core)
# Folders of tests/ that mirror no source folder.
set(top_test_folders support e2e fuzz)
set(core_test_folders fuzz)

function(folder_of path out)
  string(REGEX MATCH "^[a-z0-9]+(/core)?" folder "${path}")
  set(${out} "${folder}" PARENT_SCOPE)
endfunction()

# The rank of a folder in the layers; top_rank for the folders above all of them, -1 for none.
list(LENGTH layers top_rank)
function(layer_of folder out)
  list(FIND layers "${folder}" rank)
  if(rank LESS 0 AND folder MATCHES "^(.+)/core$")
    list(FIND layers "${CMAKE_MATCH_1}" rank)
  endif()
  set(${out} ${rank} PARENT_SCOPE)
endfunction()

set(faults "")

# Checks the includes of one file. tree is SRC, tests or bench; folder the file's layer folder,
# rank its layer, core whether it must stay free of Qt and of the widgets.
function(check_file tree path folder rank core)
  get_filename_component(here "${ROOT}/${tree}/${path}" DIRECTORY)
  file(STRINGS "${ROOT}/${tree}/${path}" includes REGEX "^#include [<\"]")
  foreach(line IN LISTS includes)
    if(line MATCHES "^#include <(Q[A-Za-z]*)>")
      if(core)
        string(APPEND faults "${tree}/${path}: the core includes <${CMAKE_MATCH_1}>\n")
      endif()
      continue()
    endif()
    if(NOT line MATCHES "^#include \"([^\"]+)\"")
      continue()
    endif()
    set(header "${CMAKE_MATCH_1}")
    if(EXISTS "${here}/${header}")
      continue() # beside the file: its own folder
    endif()
    if(EXISTS "${ROOT}/SRC/${header}" OR EXISTS "${ROOT}/SRC/${header}.in")
      folder_of("${header}" target)
      layer_of("${target}" target_rank)
      list(FIND core_folders "${target}" target_core)
    elseif(tree STREQUAL "tests" AND EXISTS "${ROOT}/tests/${header}")
      folder_of("${header}" target)
      if(target IN_LIST top_test_folders)
        continue() # the test support serves every test
      endif()
      layer_of("${target}" target_rank)
      list(FIND core_folders "${target}" target_core)
    else()
      string(APPEND faults "${tree}/${path}: includes ${header}, which is not there\n")
      continue()
    endif()
    if(target_rank GREATER rank)
      string(APPEND faults "${tree}/${path}: ${folder} includes ${header} of the higher layer ${target}\n")
    endif()
    if(core AND target_core EQUAL -1)
      string(APPEND faults "${tree}/${path}: the core includes ${header} of the widgets\n")
    endif()
  endforeach()
  set(faults "${faults}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE "${ROOT}/SRC" "${ROOT}/SRC/*.h" "${ROOT}/SRC/*.cpp" "${ROOT}/SRC/*.h.in")
foreach(source IN LISTS sources)
  folder_of("${source}" folder)
  layer_of("${folder}" rank)
  if(rank LESS 0)
    string(APPEND faults "SRC/${source}: folder ${folder} has no layer\n")
    continue()
  endif()
  set(core OFF)
  if(folder IN_LIST core_folders)
    set(core ON)
  endif()
  check_file(SRC "${source}" "${folder}" ${rank} ${core})
endforeach()

file(GLOB_RECURSE tests RELATIVE "${ROOT}/tests" "${ROOT}/tests/*.h" "${ROOT}/tests/*.cpp")
foreach(test IN LISTS tests)
  folder_of("${test}" folder)
  if(folder STREQUAL "data")
    continue() # sample sources for the parsers, not programs
  endif()
  set(core OFF)
  if(folder IN_LIST top_test_folders)
    set(rank ${top_rank})
    if(folder IN_LIST core_test_folders)
      set(core ON)
    endif()
  else()
    layer_of("${folder}" rank)
    if(rank LESS 0)
      string(APPEND faults "tests/${test}: folder ${folder} mirrors no folder of SRC\n")
      continue()
    endif()
    if(folder IN_LIST core_folders)
      set(core ON)
    endif()
  endif()
  check_file(tests "${test}" "${folder}" ${rank} ${core})
endforeach()

file(GLOB_RECURSE benches RELATIVE "${ROOT}/bench" "${ROOT}/bench/*.h" "${ROOT}/bench/*.cpp")
foreach(bench IN LISTS benches)
  check_file(bench "${bench}" bench ${top_rank} OFF)
endforeach()

if(faults)
  message(FATAL_ERROR "Includes against the layers:\n${faults}")
endif()
message(STATUS "Every include follows the layers")
