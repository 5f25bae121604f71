# Checks that every layer includes only its own headers and those of the layers below it:
#
#   cmake -DROOT=<source tree> -P CheckLayers.cmake
#
# Fails with the file, the line and the include of every include that names a header of another
# layer than those allowed. An include is looked up as the compiler does: a quoted one beside the
# including file, then from the root of the tree, and one in angle brackets from the root alone
# (the root is an include directory of every target). One that names no file there (a system or a
# generated header) is left to the compiler.
cmake_minimum_required(VERSION 3.25)

if(NOT IS_DIRECTORY "${ROOT}")
  message(FATAL_ERROR "ROOT must name the source tree to check, not \"${ROOT}\"")
endif()
cmake_path(ABSOLUTE_PATH ROOT NORMALIZE)

# What each layer may include besides itself. Dependencies point down only.
set(layers app engine platform/ui platform/data platform/core resources)
set(app_uses engine platform/ui platform/data platform/core resources)
set(engine_uses platform/data platform/core)
set(platform/ui_uses platform/data platform/core)
set(platform/data_uses platform/core)

set(refused "")
foreach(layer IN LISTS layers)
  set(allowed ${layer} ${${layer}_uses})
  file(GLOB_RECURSE sources "${ROOT}/${layer}/*.h" "${ROOT}/${layer}/*.cpp")
  foreach(source IN LISTS sources)
    file(READ "${source}" text)
    if(NOT text MATCHES "#[ \t]*include[ \t]*[\"<]")
      continue()
    endif()
    # One list element a line, once the brackets, semicolons and backslashes that would split or
    # join the elements are gone.
    string(REGEX REPLACE "[][;\\\\]" "" text "${text}")
    string(REPLACE "\n" ";" lines "${text}")
    cmake_path(GET source PARENT_PATH folder)
    file(RELATIVE_PATH shown "${ROOT}" "${source}")
    set(number 0)
    foreach(line IN LISTS lines)
      math(EXPR number "${number} + 1")
      if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\"")
        set(included "${CMAKE_MATCH_1}")
        set(written "\"${included}\"")
        set(places "${folder}" "${ROOT}")
      elseif(line MATCHES "^[ \t]*#[ \t]*include[ \t]*<([^>]+)>")
        set(included "${CMAKE_MATCH_1}")
        set(written "<${included}>")
        set(places "${ROOT}")
      else()
        continue()
      endif()
      set(header "")
      foreach(place IN LISTS places)
        if(EXISTS "${place}/${included}" AND NOT IS_DIRECTORY "${place}/${included}")
          set(header "${place}/${included}")
          break()
        endif()
      endforeach()
      if(header STREQUAL "")
        continue()
      endif()
      cmake_path(NORMAL_PATH header)
      file(RELATIVE_PATH header "${ROOT}" "${header}")
      set(found FALSE)
      foreach(below IN LISTS allowed)
        cmake_path(IS_PREFIX below "${header}" found)
        if(found)
          break()
        endif()
      endforeach()
      if(NOT found AND NOT header MATCHES "^\\.\\./")
        string(JOIN ", " uses ${allowed})
        string(APPEND refused "\n  ${shown}:${number}: #include ${written}: "
                              "${layer} may include only ${uses}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(refused)
  message(FATAL_ERROR "Includes against the layers (dependencies point down only):${refused}")
endif()
