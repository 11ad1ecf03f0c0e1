# Reads a source file as a list of its lines, so that a check can name the line that
# breaks its rule: element k is line k+1. Characters that CMake lists treat specially
# (';', '[', ']', '\') are replaced, so every line is one element; a check reads the
# lines only for names and punctuation that these replacements leave alone.
function(read_source_lines path out)
  file(READ "${path}" text)
  string(REPLACE "\\" "/" text "${text}")
  string(REPLACE ";" "," text "${text}")
  string(REPLACE "[" "(" text "${text}")
  string(REPLACE "]" ")" text "${text}")
  string(REPLACE "\r" "" text "${text}")
  string(REPLACE "\n" ";" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The windows: a header under the GUI folder, outside platform/, that declares a class
# on a window base. Sets <out> to their paths relative to the GUI folder.
function(find_window_headers gui_dir out)
  file(GLOB headers RELATIVE ${gui_dir} ${gui_dir}/*/*.h)
  set(windows "")
  foreach(h IN LISTS headers)
    if(h MATCHES "^platform/")
      continue()
    endif()
    file(STRINGS ${gui_dir}/${h} classes
         REGEX "^[ \t]*class[ \t]+[A-Za-z_0-9]+[ \t]*(final[ \t]*)?:[ \t]*public[ \t]+(TaskWindow|QDialog|QMainWindow|QWidget)([ \t{,]|$)")
    if(classes)
      list(APPEND windows ${h})
    endif()
  endforeach()
  set(${out} ${windows} PARENT_SCOPE)
endfunction()
