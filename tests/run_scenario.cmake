# Runs one scenario script through formscript and compares its output with the expected text exactly.
# The user's cable file is never the real one: XDG_DATA_HOME is a fresh folder of the build tree, which
# holds NAME.cables as the cable file when the scenario has one; in the output that folder reads
# $XDG_DATA_HOME, so that a message naming the file does not depend on where the build is.
get_filename_component(name ${SCRIPT} NAME_WE)
get_filename_component(folder ${SCRIPT} DIRECTORY)
set(data ${CMAKE_CURRENT_BINARY_DIR}/scenario-data/${name})
file(REMOVE_RECURSE ${data})
file(MAKE_DIRECTORY ${data})
if(EXISTS ${folder}/${name}.cables)
  file(MAKE_DIRECTORY ${data}/hamlinecalc)
  file(COPY_FILE ${folder}/${name}.cables ${data}/hamlinecalc/cables.txt)
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${data} ${FORMSCRIPT} INPUT_FILE ${SCRIPT}
                OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "formscript failed (${rc}): ${errors}\n${actual}")
endif()
string(REPLACE "${data}" "$XDG_DATA_HOME" actual "${actual}")
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual)
  file(WRITE ${out} "${actual}")
  execute_process(COMMAND diff -u ${EXPECTED} ${out} OUTPUT_VARIABLE d)
  message(FATAL_ERROR "output differs from ${EXPECTED}:\n${d}")
endif()
