# Fails when a file of the engine or of the text routines includes a Qt header.
file(GLOB_RECURSE files
  ${ROOT}/src/engine/*.h ${ROOT}/src/engine/*.cpp
  ${ROOT}/src/text/*.h ${ROOT}/src/text/*.cpp)
set(offenders "")
foreach(f IN LISTS files)
  file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt)")
  if(lines)
    list(APPEND offenders "${f}: ${lines}")
  endif()
endforeach()
if(offenders)
  string(REPLACE ";" "\n" msg "${offenders}")
  message(FATAL_ERROR "Qt headers included by the engine:\n${msg}")
endif()
list(LENGTH files n)
message(STATUS "${n} engine files checked, none includes Qt")
