# tpx32_preprocess(<output-variable>
#                  SOURCES <file>...
#                  [INCLUDE_DIRECTORIES <dir>...]
#                  [DEFINITIONS <name>[=<value>]...]
#                  [OPTIONS <option>...])
#
# Adds one custom command per source that preprocesses it into
# ${CMAKE_CURRENT_BINARY_DIR}/<directory of the source>/<base name>.i and writes a dependency
# file beside it, which the build reads (DEPFILE): the .i is made again when the source or any
# header it includes changes, or when tpx32 itself does. The list of .i files is stored in
# <output-variable>; a target that depends on them builds them, for example
#
#   tpx32_preprocess(PREPROCESSED SOURCES src/main.c INCLUDE_DIRECTORIES include)
#   add_custom_target(preprocessed ALL DEPENDS ${PREPROCESSED})
#
# Relative sources and directories are taken from ${CMAKE_CURRENT_SOURCE_DIR}. OPTIONS are
# passed to tpx32 as they stand, before the file name. An error in a source fails the build.
if(CMAKE_VERSION VERSION_LESS 3.20)
  message(FATAL_ERROR "tpx32_preprocess() needs CMake 3.20 or later (dependency files)")
endif()

# The function runs with the policies in force here, whatever its caller's are: relative paths
# in a dependency file are read from ${CMAKE_CURRENT_BINARY_DIR} with every generator.
cmake_policy(PUSH)
cmake_policy(VERSION 3.20)

function(tpx32_preprocess output_variable)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;INCLUDE_DIRECTORIES;DEFINITIONS;OPTIONS")
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "tpx32_preprocess: unexpected arguments: ${arg_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT arg_SOURCES)
    message(FATAL_ERROR "tpx32_preprocess: no SOURCES given")
  endif()

  set(options --quiet)
  foreach(directory IN LISTS arg_INCLUDE_DIRECTORIES)
    get_filename_component(directory "${directory}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    list(APPEND options "-I${directory}")
  endforeach()
  foreach(definition IN LISTS arg_DEFINITIONS)
    list(APPEND options "-D${definition}")
  endforeach()
  list(APPEND options ${arg_OPTIONS})

  set(outputs "")
  foreach(source IN LISTS arg_SOURCES)
    get_filename_component(source "${source}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    get_filename_component(source_directory "${source}" DIRECTORY)
    get_filename_component(base "${source}" NAME_WLE)
    # Sources below the current source directory keep their sub-directory in the build tree.
    file(RELATIVE_PATH sub_directory "${CMAKE_CURRENT_SOURCE_DIR}" "${source_directory}")
    if(sub_directory MATCHES "^\\.\\." OR IS_ABSOLUTE "${sub_directory}")
      set(sub_directory "")
    endif()
    set(output_directory "${CMAKE_CURRENT_BINARY_DIR}")
    if(NOT sub_directory STREQUAL "")
      string(APPEND output_directory "/${sub_directory}")
    endif()
    set(output "${output_directory}/${base}.i")
    set(dependency_file "${output_directory}/${base}.d")
    # The source is named by its absolute path (on POSIX a word that begins with "/" is a path),
    # so the dependency file lists it and the headers found beside it by absolute paths too.
    # The Windows program reads such a word as an option: there the source is named relative
    # to the working directory, the current binary directory.
    if(CMAKE_HOST_WIN32)
      file(RELATIVE_PATH source_argument "${CMAKE_CURRENT_BINARY_DIR}" "${source}")
    else()
      set(source_argument "${source}")
    endif()
    add_custom_command(
      OUTPUT "${output}"
      COMMAND "${CMAKE_COMMAND}" -E make_directory "${output_directory}"
      COMMAND tpx32::tpx32 ${options} "-o${output}" "--deps=${dependency_file}"
              "${source_argument}"
      DEPENDS "${source}" "$<TARGET_FILE:tpx32::tpx32>"
      DEPFILE "${dependency_file}"
      WORKING_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}"
      COMMENT "Preprocessing ${source_argument}"
      VERBATIM)
    list(APPEND outputs "${output}")
  endforeach()
  set(${output_variable} "${outputs}" PARENT_SCOPE)
endfunction()

cmake_policy(POP)
