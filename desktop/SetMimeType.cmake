# Gives installed files a file type as the extended attribute user.mime_type.
#
# Run at install time (included from install(CODE) in this folder's CMakeLists.txt) or as
#   cmake -DPCIZ_MIME_TYPE=<type> -DPCIZ_MIME_FILES=<file;file...> -P SetMimeType.cmake
# CMake has no command for extended attributes, so this calls setfattr (Debian package attr),
# found on PATH unless PCIZ_SETFATTR names it. A file system without user attributes, or a
# machine without setfattr, only leaves a note: the install goes on without the attribute.
# A file that is not there is a fault in the install rules, and stops the install.

if(NOT PCIZ_MIME_TYPE OR NOT PCIZ_MIME_FILES)
  message(FATAL_ERROR "SetMimeType.cmake needs PCIZ_MIME_TYPE and PCIZ_MIME_FILES")
endif()

if(NOT DEFINED PCIZ_SETFATTR)
  find_program(PCIZ_SETFATTR setfattr)
endif()

foreach(file IN LISTS PCIZ_MIME_FILES)
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "Cannot set user.mime_type: ${file} was not installed")
  endif()
  if(NOT PCIZ_SETFATTR)
    message(STATUS "No setfattr (package attr): ${file} gets no user.mime_type")
    continue()
  endif()
  execute_process(
    COMMAND "${PCIZ_SETFATTR}" -n user.mime_type -v "${PCIZ_MIME_TYPE}" "${file}"
    RESULT_VARIABLE result
    ERROR_VARIABLE error
    OUTPUT_QUIET)
  if(result STREQUAL "0")
    message(STATUS "Set user.mime_type ${PCIZ_MIME_TYPE}: ${file}")
  else()
    string(STRIP "${error}${result}" error)
    message(STATUS "Left ${file} without user.mime_type (the file system may not keep user attributes): ${error}")
  endif()
endforeach()
