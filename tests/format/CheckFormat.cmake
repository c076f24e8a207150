# Checks the layout of the C++ sources against .clang-format; with -DFIX=ON it lays them out.
# Test data, fuzzing corpora, generated tables and the tables laid out by hand (keywords,
# commands, menus) keep the bytes they have.
if(NOT CLANG_FORMAT)
  message(FATAL_ERROR "clang-format was not found")
endif()
file(GLOB_RECURSE sources RELATIVE ${ROOT}
     ${ROOT}/SRC/*.cpp ${ROOT}/SRC/*.h ${ROOT}/tests/*.cpp ${ROOT}/tests/*.h
     ${ROOT}/bench/*.cpp ${ROOT}/bench/*.h ${ROOT}/tools/*.cpp ${ROOT}/tools/*.h)
list(FILTER sources EXCLUDE REGEX "^tests/data/|/corpus/|^SRC/syntax/keywords/")
list(REMOVE_ITEM sources SRC/text/CodePageDetectorTables.h SRC/text/StandardPages.cpp
     SRC/syntax/HtmlKeywords.cpp SRC/res/CommandTable.cpp SRC/res/Commands.cpp)
list(SORT sources)
if(FIX)
  set(mode -i)
else()
  set(mode --dry-run -Werror)
endif()
execute_process(COMMAND ${CLANG_FORMAT} ${mode} ${sources}
                WORKING_DIRECTORY ${ROOT} RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  string(REGEX MATCHALL "[^\n]+: error: [^\n]+" found "${errors}")
  list(LENGTH found count)
  list(SUBLIST found 0 20 shown)
  string(REPLACE ";" "\n" shown "${shown}")
  message(FATAL_ERROR "Lines not laid out as .clang-format says (${count}; the first of them):\n${shown}\n"
                      "Lay them out with: cmake -DROOT=\"$PWD\" -DCLANG_FORMAT=clang-format -DFIX=ON -P tests/format/CheckFormat.cmake")
endif()
