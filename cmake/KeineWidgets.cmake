# Fails when a file under SOURCE_DIR that is not window code includes a Qt Widgets header, so rules
# and stores stay buildable and testable without widgets. Window code lives in common_ui/, app/
# and the ui/ folder of each subsystem.
#   cmake -DSOURCE_DIR=<src> -DQT_INCLUDE_DIR=<qt6 include root> -P KeineWidgets.cmake
cmake_minimum_required(VERSION 3.25)
foreach(variable SOURCE_DIR QT_INCLUDE_DIR)
  if(NOT IS_DIRECTORY "${${variable}}")
    message(FATAL_ERROR "${variable} is not a directory: '${${variable}}'")
  endif()
endforeach()

file(GLOB widget_headers RELATIVE ${QT_INCLUDE_DIR}/QtWidgets ${QT_INCLUDE_DIR}/QtWidgets/*)
if(NOT "QWidget" IN_LIST widget_headers)
  message(FATAL_ERROR "No Qt Widgets headers under ${QT_INCLUDE_DIR}/QtWidgets")
endif()
# Qt Widgets still forwards a few classes that moved to Qt Gui (qaction.h); those are no widgets.
file(GLOB other_headers RELATIVE ${QT_INCLUDE_DIR}/QtGui ${QT_INCLUDE_DIR}/QtGui/*)
list(REMOVE_ITEM widget_headers ${other_headers})

file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
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

if(violations)
  list(JOIN violations "\n" text)
  message(FATAL_ERROR "Qt Widgets headers outside the window code:\n${text}")
endif()
list(LENGTH files count)
message(STATUS "${count} files checked: no Qt Widgets header outside the window code")
