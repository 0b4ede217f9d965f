# Turns a data file into a C++ source holding its bytes, so the program carries it.
file(READ ${IN} content HEX)
string(LENGTH "${content}" hexlen)
math(EXPR size "${hexlen} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${content}")
file(WRITE ${OUT} "#include <cstddef>\nextern const unsigned char kvz_embedded_${SYM}[] = {${bytes} 0};\nextern const std::size_t kvz_embedded_${SYM}_size = ${size};\n")
