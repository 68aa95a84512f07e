# Runs one scenario script through formscript and compares its output with the expected text exactly.
execute_process(COMMAND ${FORMSCRIPT} INPUT_FILE ${SCRIPT}
                OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "formscript failed (${rc}): ${errors}\n${actual}")
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  get_filename_component(name ${SCRIPT} NAME_WE)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual)
  file(WRITE ${out} "${actual}")
  execute_process(COMMAND diff -u ${EXPECTED} ${out} OUTPUT_VARIABLE d)
  message(FATAL_ERROR "output differs from ${EXPECTED}:\n${d}")
endif()
