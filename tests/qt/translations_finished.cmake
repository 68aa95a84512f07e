# Fails when a translation file holds a text that has no English translation yet (lupdate marks a new
# tr() text of the menus and dialogs "unfinished" until it is translated).
foreach(ts ${TS_FILE} ${MODEL_TS_FILE})
  file(READ ${ts} content)
  string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\"" missing "${content}")
  if(missing)
    message(FATAL_ERROR "${ts}: texts without an English translation:\n${missing}")
  endif()
endforeach()
