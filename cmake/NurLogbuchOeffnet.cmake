# Fails when code outside the engine (db/) and Logbuch connects to a database itself: every logbook
# is opened through Logbuch, which refuses what is no logbook and brings the schema up to date.
#   cmake -DSOURCE_DIR=<src> -P NurLogbuchOeffnet.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/Quelleinschluesse.cmake)
quellordner_pruefen()

quelldateien(files)
set(violations)
foreach(file ${files})
  if(file MATCHES "^db/" OR file MATCHES "^logbuch/Logbuch\\.(h|cpp)$")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${file} lines REGEX "Database::verbinden[ \t]*\\(|using[ \t]+namespace[ \t]+Database")
  foreach(line ${lines})
    string(REPLACE ";" "" line "${line}")
    string(STRIP "${line}" line)
    list(APPEND violations "  ${file}: ${line}")
  endforeach()
endforeach()
list(LENGTH files count)
befund_melden("Connections opened outside Logbuch" "${violations}" ${count})
