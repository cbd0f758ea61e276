# Script mode: writes OUT_DIR/SYMBOL.h and OUT_DIR/SYMBOL.cpp holding the bytes of INPUT.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE "${OUT_DIR}/${SYMBOL}.h"
  "// Generated from ${INPUT}; do not edit.\n#pragma once\n#include <array>\n"
  "extern const std::array<unsigned char, ${size}> ${SYMBOL};\n")
file(WRITE "${OUT_DIR}/${SYMBOL}.cpp"
  "// Generated from ${INPUT}; do not edit.\n#include \"${SYMBOL}.h\"\n"
  "const std::array<unsigned char, ${size}> ${SYMBOL} = {\n${bytes}};\n")
