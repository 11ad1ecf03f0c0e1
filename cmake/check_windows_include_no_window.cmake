# Windows meet only in app/: it creates them and wires one to another. A window may
# include the headers of the windows of its own folder (one subsystem, as a core layer
# includes its own folder), never a window of another folder, the main window included;
# it reaches those through app/'s window-free headers. platform/ lies below every window
# and includes none.
include(${CMAKE_CURRENT_LIST_DIR}/source_lines.cmake)

find_window_headers(${GUI_DIR} windows)
if(NOT windows)
  message(FATAL_ERROR "No window header found under ${GUI_DIR}: the check would hold nothing")
endif()

file(GLOB_RECURSE files RELATIVE ${GUI_DIR} ${GUI_DIR}/*.h ${GUI_DIR}/*.cpp)
set(faults "")
foreach(f IN LISTS files)
  string(REGEX MATCH "^[^/]+" folder "${f}")
  if(folder STREQUAL "app")
    continue()
  endif()
  read_source_lines(${GUI_DIR}/${f} lines)
  set(n 0)
  foreach(line IN LISTS lines)
    math(EXPR n "${n} + 1")
    if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\"")
      continue()
    endif()
    set(target "${CMAKE_MATCH_1}")
    list(FIND windows "${target}" is_window)
    if(is_window EQUAL -1)
      continue()
    endif()
    string(REGEX MATCH "^[^/]+" target_folder "${target}")
    if(folder STREQUAL "platform" OR NOT target_folder STREQUAL folder)
      string(APPEND faults "\n  src/gui/${f}:${n}: includes the window header ${target}")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "A GUI file includes a window header it may not: a window includes only the "
                      "windows of its own folder, platform/ none; windows meet in app/, and reach "
                      "one another through its window-free headers:${faults}")
endif()
