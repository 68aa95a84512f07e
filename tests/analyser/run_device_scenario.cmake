# Runs one analyser scenario: the stand-in devices its "# device LINK SWITCHES..." lines name, each on a
# pseudo-terminal reached through the link LINK in a fresh working folder, then formscript on the script
# in that folder; the output is compared with the expected text exactly, and every command line a device
# received must be a reading command.
file(STRINGS ${SCRIPT} header REGEX "^# device ")
get_filename_component(name ${SCRIPT} NAME_WE)
set(work ${WORK}/${name})
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})

set(chain)
set(logs)
foreach(line IN LISTS header)
  string(REGEX REPLACE "^# device " "" device "${line}")
  separate_arguments(args UNIX_COMMAND "${device}")
  list(POP_FRONT args link)
  list(APPEND chain ${VNASIM} --link ${link} --log ${link}.log ${args} --)
  list(APPEND logs ${work}/${link}.log)
endforeach()

execute_process(COMMAND ${chain} ${FORMSCRIPT} INPUT_FILE ${SCRIPT} WORKING_DIRECTORY ${work}
                OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "formscript failed (${rc}): ${errors}\n${actual}")
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  set(out ${work}/${name}.actual)
  file(WRITE ${out} "${actual}")
  execute_process(COMMAND diff -u ${EXPECTED} ${out} OUTPUT_VARIABLE d)
  message(FATAL_ERROR "output differs from ${EXPECTED}:\n${d}")
endif()

# The program asks, it never sets: no cal, save, reset, dfu or any other command that changes the device.
foreach(log IN LISTS logs)
  if(EXISTS ${log})
    file(STRINGS ${log} commands)
    foreach(c IN LISTS commands)
      if(NOT c MATCHES "^(info|version|resume|frequencies|data 0|scan [0-9]+ [0-9]+ [0-9]+ 7|sweep [0-9]+ [0-9]+ [0-9]+)$")
        message(FATAL_ERROR "${log}: the program sent '${c}', which is not a reading command")
      endif()
    endforeach()
  endif()
endforeach()
