# velmora-cli pointed at a GAMES.DAT that is a folder: the games command
# must answer with an error line, and the program must end normally instead
# of being aborted by the failed read.
set(work "${CMAKE_CURRENT_BINARY_DIR}/games_folder")
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work}/d/GAMES.DAT)
set(input "${work}/input.txt")
file(WRITE ${input} "games\nquit\n")
execute_process(COMMAND ${CLI} --games d/GAMES.DAT
  WORKING_DIRECTORY ${work} INPUT_FILE ${input}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
file(REMOVE_RECURSE ${work})
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "velmora-cli ended with ${rc}:\n${out}${err}")
endif()
if(NOT out MATCHES "^error: [^\n]*d/GAMES\\.DAT\nok\n$")
  message(FATAL_ERROR "expected an error for games, then ok for quit; got:\n${out}${err}")
endif()
