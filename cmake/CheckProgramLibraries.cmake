# Fails when the program itself loads a sound library at start: Qt
# Multimedia and what comes with it are for the sound module alone, which
# the program loads when a sound plays. The libraries are those ldd lists,
# with everything they load in turn.
execute_process(COMMAND ldd ${PROGRAM} OUTPUT_VARIABLE libraries RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "ldd cannot list the libraries of ${PROGRAM}")
endif()
string(REGEX MATCHALL "lib(Qt6Multimedia|Qt6Network|pulse|sndfile)[^ \t\n]*" found "${libraries}")
if(found)
  list(REMOVE_DUPLICATES found)
  message(FATAL_ERROR "${PROGRAM} loads sound libraries at start: ${found}")
endif()
message(STATUS "${PROGRAM} loads no sound library at start")
