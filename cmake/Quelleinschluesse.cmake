# Helpers of the source checks: which files lie under a source tree, and which of the program's own
# headers ("folder/Name.h", relative to src/) a file includes.

# Fails with a clear message unless SOURCE_DIR names a folder.
function(quellordner_pruefen)
  if(NOT IS_DIRECTORY "${SOURCE_DIR}")
    message(FATAL_ERROR "SOURCE_DIR is not a directory: '${SOURCE_DIR}'")
  endif()
endfunction()

# Every .h and .cpp below SOURCE_DIR, relative to it, into `ergebnis`.
function(quelldateien ergebnis)
  file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
  list(SORT files)
  set(${ergebnis} ${files} PARENT_SCOPE)
endfunction()

# The quoted includes of `file` (relative to SOURCE_DIR) into `ergebnis`.
function(eigene_einschluesse file ergebnis)
  file(STRINGS ${SOURCE_DIR}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  set(headers)
  foreach(line ${lines})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*$" "\\1" header "${line}")
    list(APPEND headers ${header})
  endforeach()
  set(${ergebnis} ${headers} PARENT_SCOPE)
endfunction()

# Ends the check with the list of violations, or reports how many files it read.
function(befund_melden titel violations count)
  if(violations)
    list(JOIN violations "\n" text)
    message(FATAL_ERROR "${titel}:\n${text}")
  endif()
  message(STATUS "${count} files checked")
endfunction()
