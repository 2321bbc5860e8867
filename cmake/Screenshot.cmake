# Draws the screenshot of the software centres: velmora-cli deals GAME's deal
# DEAL on a table of WIDTH x HEIGHT and writes it as the window shows it.
#
#   cmake -DDRIVER=<velmora-cli> -DGAME=<id> -DDEAL=<n> -DWIDTH=<w> -DHEIGHT=<h>
#         -DOUTPUT=<file.png> -P Screenshot.cmake

set(commands ${OUTPUT}.commands)
file(WRITE ${commands}
  "autoplay off\nnew ${GAME} ${DEAL}\nwindow ${WIDTH} ${HEIGHT} ${WIDTH} ${HEIGHT}\nshot ${OUTPUT}\nquit\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${DRIVER}
  INPUT_FILE ${commands} OUTPUT_VARIABLE answers ERROR_VARIABLE errors RESULT_VARIABLE code)
file(REMOVE ${commands})
# The driver answers every command; one refusal spoils the picture.
if(NOT code EQUAL 0 OR answers MATCHES "error:" OR NOT EXISTS ${OUTPUT})
  file(REMOVE ${OUTPUT})
  message(FATAL_ERROR "velmora-cli could not draw the screenshot:\n${answers}${errors}")
endif()
