# Fails when a file under SOURCE_DIR that is not window code includes a Qt Widgets header, so rules
# and stores stay buildable and testable without widgets. Window code lives in common_ui/, app/
# and the ui/ folder of each subsystem.
#   cmake -DSOURCE_DIR=<src> -DQT_INCLUDE_DIR=<qt6 include root> -P KeineWidgets.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/Quelleinschluesse.cmake)
quellordner_pruefen()
if(NOT IS_DIRECTORY "${QT_INCLUDE_DIR}")
  message(FATAL_ERROR "QT_INCLUDE_DIR is not a directory: '${QT_INCLUDE_DIR}'")
endif()

file(GLOB widget_headers RELATIVE ${QT_INCLUDE_DIR}/QtWidgets ${QT_INCLUDE_DIR}/QtWidgets/*)
if(NOT "QWidget" IN_LIST widget_headers)
  message(FATAL_ERROR "No Qt Widgets headers under ${QT_INCLUDE_DIR}/QtWidgets")
endif()
# Qt Widgets still forwards a few classes that moved to Qt Gui (qaction.h); those are no widgets.
file(GLOB other_headers RELATIVE ${QT_INCLUDE_DIR}/QtGui ${QT_INCLUDE_DIR}/QtGui/*)
list(REMOVE_ITEM widget_headers ${other_headers})

quelldateien(files)
set(violations)
foreach(file ${files})
  if(file MATCHES "^(common_ui|app)/" OR file MATCHES "(^|/)ui/")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*<")
  foreach(line ${includes})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*<([^>]*)>.*$" "\\1" header "${line}")
    if(header MATCHES "^QtWidgets(/|$)" OR header IN_LIST widget_headers)
      list(APPEND violations "  ${file}: <${header}>")
    endif()
  endforeach()
endforeach()

list(LENGTH files count)
befund_melden("Qt Widgets headers outside the window code" "${violations}" ${count})
