# pellomar_embed(<target> <symbol> <file>)
# Compiles <file> into <target> as `extern const std::array<unsigned char, N> <symbol>`
# declared in the generated header <symbol>.h, so assets need no files at run time.
function(pellomar_embed target symbol file)
  set(out_dir "${CMAKE_CURRENT_BINARY_DIR}/embedded")
  set(source "${out_dir}/${symbol}.cpp")
  add_custom_command(
    OUTPUT "${source}" "${out_dir}/${symbol}.h"
    COMMAND "${CMAKE_COMMAND}" -DINPUT=${file} -DSYMBOL=${symbol} -DOUT_DIR=${out_dir}
            -P "${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake"
    DEPENDS "${file}" "${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake"
    COMMENT "Embedding ${file}"
    VERBATIM)
  target_sources(${target} PRIVATE "${source}")
  target_include_directories(${target} PUBLIC "${out_dir}")
endfunction()
