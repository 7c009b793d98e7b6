# Fails when a file under SOURCE_DIR/db includes one of the program's headers outside db/ and
# common/, or names a table of the logbook (T_..., varno_schema): the engine knows nothing of the
# logbook or of anything built on it.
#   cmake -DSOURCE_DIR=<src> -P NurMotorInDb.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/Quelleinschluesse.cmake)
quellordner_pruefen()

# A logbook table in SQL or a comment: T_ and a letter, or the server's version table.
set(logbuchtabelle "(^|[^A-Za-z0-9_])(T_[A-Za-z][A-Za-z0-9_]*|varno_schema)")

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
  file(STRINGS ${SOURCE_DIR}/${file} lines REGEX "${logbuchtabelle}")
  foreach(line ${lines})
    string(REGEX MATCH "${logbuchtabelle}" name "${line}")
    string(REGEX REPLACE "^[^A-Za-z]" "" name "${name}")
    list(APPEND violations "  ${file}: table ${name}")
  endforeach()
endforeach()
befund_melden("Headers outside db/ and common/ included or logbook tables named by the engine" "${violations}"
              ${count})
