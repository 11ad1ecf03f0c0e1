# Windows are thin: they read controls, call core commands and write controls. The core's
# state (every mutable name a core header declares extern, read from the headers so the
# list follows the code) is changed by core commands, never by a GUI file assigning it:
# no such name, or a member or element of one, stands on the left of an assignment, an
# increment or a mutating call (clear, push_back, std::fill ...) in src/gui.
#
# A statement is read line by line, comments and strings left out: a practical reading
# that finds what a window writes directly, not what it hands by reference to a function.
include(${CMAKE_CURRENT_LIST_DIR}/source_lines.cmake)

# Values whose members are state of their own: a write names the member written
# ("method_data.library"), so that a fault names what was written.
set(values_by_member method_data calibration_data model_work_tables editor_state
  reporting_limit_files program_paths)

# The names: `extern` declarations of src/core headers that are not const.
set(names "")
file(GLOB_RECURSE core_headers ${CORE_DIR}/*.h)
foreach(h IN LISTS core_headers)
  read_source_lines(${h} lines)
  foreach(line IN LISTS lines)
    if(NOT line MATCHES "^[ \t]*extern[ \t]")
      continue()
    endif()
    string(REGEX REPLACE "//.*$" "" line "${line}")
    if(line MATCHES "^[ \t]*extern[ \t]+(const|constexpr|\"C\")[ \t]")
      continue()
    endif()
    if(line MATCHES "([A-Za-z_][A-Za-z_0-9]*)[ \t]*(\\([^()]*\\)[ \t]*)*,[ \t]*$")
      list(APPEND names ${CMAKE_MATCH_1})
    endif()
  endforeach()
endforeach()
if(NOT names)
  message(FATAL_ERROR "No extern name found in the core headers under ${CORE_DIR}: the check would hold nothing")
endif()

# What may follow a name on the way to the part written: an index (read as parentheses),
# a member, a call.
set(chain "([ \t]*(\\(([^()]|\\([^()]*\\))*\\)|\\.[A-Za-z_0-9]+|->[A-Za-z_0-9]+))*")
set(before "(^|[^A-Za-z_0-9.>:])")
set(after "([^A-Za-z_0-9]|$)")
set(assignment "[ \t]*([-+*/%|&^]?=([^=]|$)|<<=|>>=|\\+\\+|--)")
set(mutating_call "\\.(clear|assign|swap|push_back|emplace_back|pop_back|insert|erase|resize|fill|append|reset|emplace)[ \t]*\\(")
set(algorithm "std::(fill|fill_n|iota|generate|reverse|sort|swap)[ \t]*\\(([^)]*[^A-Za-z_0-9.>:])?")

file(GLOB_RECURSE files RELATIVE ${GUI_DIR} ${GUI_DIR}/*.h ${GUI_DIR}/*.cpp)
set(faults "")
foreach(f IN LISTS files)
  read_source_lines(${GUI_DIR}/${f} lines)
  set(n 0)
  set(in_comment FALSE)
  foreach(line IN LISTS lines)
    math(EXPR n "${n} + 1")
    # Comments and string literals hold no statement.
    if(in_comment)
      if(NOT line MATCHES "\\*/")
        continue()
      endif()
      string(REGEX REPLACE "^.*\\*/" "" line "${line}")
      set(in_comment FALSE)
    endif()
    string(REGEX REPLACE "\"([^\"/]|/.)*\"" "\"\"" line "${line}")
    string(REGEX REPLACE "/\\*.*\\*/" "" line "${line}")
    string(REGEX REPLACE "//.*$" "" line "${line}")
    if(line MATCHES "/\\*")
      string(REGEX REPLACE "/\\*.*$" "" line "${line}")
      set(in_comment TRUE)
    endif()
    if(NOT line MATCHES "=|\\+\\+|--|\\.[a-z_]+[ \t]*\\(|std::")
      continue()
    endif()
    foreach(name IN LISTS names)
      string(FIND "${line}" "${name}" at)
      if(at EQUAL -1)
        continue()
      endif()
      set(targets "${name}")
      list(FIND values_by_member "${name}" by_member)
      if(NOT by_member EQUAL -1)
        string(REGEX MATCHALL "${name}\\.[A-Za-z_0-9]+" targets "${line}")
        list(REMOVE_DUPLICATES targets)
      endif()
      # The whole value written at once.
      if(NOT by_member EQUAL -1 AND
         (line MATCHES "${before}${name}[ \t]*${assignment}"
          OR line MATCHES "${algorithm}${name}([^A-Za-z_0-9.]|$)"))
        string(APPEND faults "\n  src/gui/${f}:${n}: writes ${name}: ${line}")
      endif()
      foreach(written IN LISTS targets)
        string(REPLACE "." "\\." target "${written}")
        if(line MATCHES "${before}${target}${chain}${assignment}"
           OR line MATCHES "(\\+\\+|--)[ \t]*${target}${after}"
           OR line MATCHES "${before}${target}${chain}${mutating_call}"
           OR line MATCHES "${algorithm}(std::begin[ \t]*\\([ \t]*)?${target}${after}")
          string(APPEND faults "\n  src/gui/${f}:${n}: writes ${written}: ${line}")
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "A GUI file writes core state other than through a core command:${faults}")
endif()
