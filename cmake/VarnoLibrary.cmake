# Each source folder is one library made of every .cpp/.h in it, so adding a file needs no CMake edit.
function(varno_library name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  list(FILTER sources INCLUDE REGEX "\\.cpp$|\\.h$|\\.qrc$")
  set(compiled ${sources})
  list(FILTER compiled INCLUDE REGEX "\\.cpp$")
  if(compiled)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  else()
    # A subsystem without sources yet still takes part in the dependency chain.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARG_LIBS})
  endif()
endfunction()

# Each test folder is one GoogleTest executable made of every .cpp in it plus a shared test main.
# Rule and store tests link only the libraries they name (LIBS) on a core application; window tests
# (FENSTER) link the whole program and run under the German application object.
function(varno_test_folder name)
  cmake_parse_arguments(ARG "FENSTER" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  if(ARG_FENSTER)
    target_link_libraries(${name} PRIVATE varno_testsupport_ui ${ARG_LIBS})
  else()
    target_link_libraries(${name} PRIVATE varno_testmain ${ARG_LIBS})
  endif()
  target_compile_options(${name} PRIVATE -include ${PROJECT_SOURCE_DIR}/tests/support/QtPrinters.h)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0"
                       TIMEOUT 300)
  if(ARG_FENSTER)
    # The windows once more under a dark desktop theme, and once on a HiDPI screen: a 1600×1000
    # desktop drawn at scale factor 2.
    add_test(NAME ${name}_dunkel COMMAND ${name})
    set_tests_properties(
      ${name}_dunkel PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VARNO_TEST_THEMA=dunkel;ASAN_OPTIONS=detect_leaks=0"
                                TIMEOUT 300)
    add_test(NAME ${name}_skaliert COMMAND ${name})
    set_tests_properties(
      ${name}_skaliert
      PROPERTIES ENVIRONMENT
                 "QT_QPA_PLATFORM=offscreen:configfile=${PROJECT_SOURCE_DIR}/tests/support/ui/Bildschirm3200x2000.json;QT_SCALE_FACTOR=2;ASAN_OPTIONS=detect_leaks=0"
                 TIMEOUT 300)
  endif()
endfunction()

# Every subfolder with a CMakeLists.txt (tools, benchmarks) is added.
function(varno_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(child ${children})
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
