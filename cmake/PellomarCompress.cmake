# pellomar_gzip(<input> <output>)
# Compresses a file when the build is configured, the way Debian wants documentation: best
# compression and no file name or time stamp inside, so the same input gives the same bytes.
# A change to the input configures the build again.
find_program(PELLOMAR_GZIP gzip REQUIRED)

function(pellomar_gzip input output)
  execute_process(COMMAND "${PELLOMAR_GZIP}" -9nc
                  INPUT_FILE "${input}" OUTPUT_FILE "${output}"
                  COMMAND_ERROR_IS_FATAL ANY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${input}")
endfunction()
