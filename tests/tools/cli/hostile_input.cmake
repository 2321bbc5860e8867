# Feeds velmora-cli lines that are wrong in every way; it must answer each
# with a final "ok" or "error:" line and exit normally.
set(input "${CMAKE_CURRENT_BINARY_DIR}/hostile_input.txt")
string(REPEAT "x" 5000 long)
file(WRITE ${input} "\n   \nnew\nnew 1 99999999999999\nnew -1\nnew 9999999999999999999999\nnew 1 abc\n"
  "shuffle\nshuffle 52 9 1\nshuffle -1 0 1\nstate extra\ngames x\n${long}\nnew 1 1\n"
  "drop\ndrop x y\ndrop 999 Fila1\ndrop 1 Fila99\npress\npress Nowhere\npress Fila1 abc\n"
  "press Fila1 52 extra\nclick Fila1\nclick Fila1 0\nautoplay maybe\nundo now\nredo x\nset\n"
  "set 5000 1 Y\nset 1 0 x\nmoves x\npress Fila01\nmoves\npress Mazzo\nundo\nredo\nstate\nquit\n")
execute_process(COMMAND ${CLI} INPUT_FILE ${input} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "velmora-cli ended with ${rc}")
endif()
string(REGEX MATCHALL "(^|\n)(ok|error: [^\n]*)" answers "${out}")
list(LENGTH answers n)
if(NOT n EQUAL 38)
  message(FATAL_ERROR "expected 38 answers, got ${n}:\n${out}")
endif()
