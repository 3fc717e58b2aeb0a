# Lays out the database folder of an installed program folder. The folder belongs to the group
# of the pupils' accounts, is writable for that group (the engine makes its journal beside the
# database) and is setgid, so every file made in it gets that group too; others have no access.
# A fresh database is made only when there is none: one with pupils in it is never replaced.
# Called with PROGRAM_DIR, TOOL (the database tool) and GROUP.
set(folder "${PROGRAM_DIR}/KWILDB")
set(database "${folder}/Kwilmora.db")
file(MAKE_DIRECTORY "${folder}")
if(GROUP)
  execute_process(COMMAND chgrp "${GROUP}" "${folder}" RESULT_VARIABLE result ERROR_VARIABLE error)
  if(NOT result EQUAL 0)
    message(WARNING "The database folder could not be given to the group ${GROUP}: ${error}"
                    "Pupils' accounts can only write the database when the folder belongs to their group.")
  endif()
endif()
file(CHMOD "${folder}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_WRITE GROUP_EXECUTE SETGID)
if(EXISTS "${database}")
  message(STATUS "Kept: ${database}")
  return()
endif()
message(STATUS "Installing: ${database}")
execute_process(COMMAND "${TOOL}" --teacher-password leraar "${database}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Could not create ${database}")
endif()
