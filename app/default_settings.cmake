# Writes the default settings file to ${TARGET} unless a file is there already.
if(NOT EXISTS "${TARGET}")
  get_filename_component(dir "${TARGET}" DIRECTORY)
  file(MAKE_DIRECTORY "${dir}")
  string(ASCII 13 CR)
  file(WRITE "${TARGET}" "\"COM1\",\" 9600\"${CR}\n")
  message(STATUS "Default settings written to ${TARGET}")
endif()
