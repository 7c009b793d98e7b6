# Fails when a file under SOURCE_DIR/db includes one of the program's headers outside db/ and
# common/: the engine knows nothing of the logbook or of anything built on it.
#   cmake -DSOURCE_DIR=<src> -P NurMotorInDb.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/Quelleinschluesse.cmake)
quellordner_pruefen()

quelldateien(files)
set(violations)
set(count 0)
foreach(file ${files})
  if(NOT file MATCHES "^db/")
    continue()
  endif()
  math(EXPR count "${count} + 1")
  eigene_einschluesse(${file} headers)
  foreach(header ${headers})
    if(NOT header MATCHES "^(db|common)/")
      list(APPEND violations "  ${file}: \"${header}\"")
    endif()
  endforeach()
endforeach()
befund_melden("Headers outside db/ and common/ included by the engine" "${violations}" ${count})
