# cmake -DSOURCE_DIR=<repository>/src -P IncludeOrder.cmake: fails when a file of src/ includes
# a header of a room above its own or beside it on its floor. The floors, lowest first; rooms
# separated by blanks, the folders of one room by "|"; the longest folder holding a file wins.
set(floors
    "core|platform"                              # the document, files, the desktop interface
    "finance platform/qt"                        # finance rules; the Qt desktop, widget helpers
    "reports tools startup"
    "windows/common"                             # what the large windows share
    "windows/main windows/state windows/client"
    "gui"                                        # the application object
    "gui/main.cpp cli")                          # the executables

# Every folder with its room and floor, longest first.
set(folders)
set(floor 0)
foreach(rooms IN LISTS floors)
  string(REPLACE " " ";" rooms "${rooms}")
  foreach(room IN LISTS rooms)
    string(REPLACE "|" ";" members "${room}")
    foreach(folder IN LISTS members)
      string(LENGTH "${folder}" length)
      math(EXPR key "1000 - ${length}")
      list(APPEND folders "${key}:${folder}:${room}:${floor}")
    endforeach()
  endforeach()
  math(EXPR floor "${floor} + 1")
endforeach()
list(SORT folders)

# Sets <prefix>_room and <prefix>_floor for a path below src/ (empty room when none holds it).
function(room_of path prefix)
  foreach(entry IN LISTS folders)
    string(REPLACE ":" ";" fields "${entry}")
    list(GET fields 1 folder)
    string(FIND "${path}" "${folder}/" at)
    if(path STREQUAL folder OR at EQUAL 0)
      list(GET fields 2 room)
      list(GET fields 3 floor)
      set(${prefix}_room "${room}" PARENT_SCOPE)
      set(${prefix}_floor "${floor}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${prefix}_room "" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
set(faults)
foreach(source IN LISTS sources)
  room_of("${source}" file)
  if(file_room STREQUAL "")
    list(APPEND faults "src/${source} belongs to no room: add its folder to ${CMAKE_CURRENT_LIST_FILE}")
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" header "${line}")
    room_of("${header}" header)
    if(NOT header_room STREQUAL "" AND NOT header_room STREQUAL file_room
       AND header_floor GREATER_EQUAL file_floor)
      list(APPEND faults
           "src/${source} (${file_room}) includes \"${header}\" (${header_room}): a file may include its own room and the floors below it")
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n" text)
  message(FATAL_ERROR "Includes that point up or sideways:\n${text}")
endif()
