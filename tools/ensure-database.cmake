# Creates the program directory's database only when there is none: a user's database is
# never overwritten.
if(NOT EXISTS "${DB}")
  execute_process(COMMAND "${TOOL}" create "${DB}" RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "could not create ${DB}")
  endif()
endif()
