# Read by cpack before it packs (CPACK_PROJECT_CONFIG_FILE): sets SOURCE_DATE_EPOCH, which the
# package generator gives every file and archive as its time, to the time of the last commit
# of the sources, unless the caller has set it. Sources outside git (an unpacked release)
# must have it set by the caller.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  return()
endif()
find_program(PELLOMAR_GIT git)
if(PELLOMAR_GIT)
  execute_process(COMMAND "${PELLOMAR_GIT}" log -1 --format=%ct
                  WORKING_DIRECTORY "${CPACK_PELLOMAR_SOURCE_DIR}"
                  OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE git_status ERROR_QUIET)
endif()
if(PELLOMAR_GIT AND git_status EQUAL 0 AND commit_time MATCHES "^[0-9]+$")
  set(ENV{SOURCE_DATE_EPOCH} "${commit_time}")
else()
  message(WARNING "The sources are not in git and SOURCE_DATE_EPOCH is not set: the package "
                  "carries the time it is made.")
endif()
