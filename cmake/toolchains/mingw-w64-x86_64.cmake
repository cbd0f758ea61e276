# Cross compiling for 64-bit Windows with Debian's mingw-w64, the variant whose threads follow
# POSIX (std::thread and std::mutex need it). Test programs run under Wine through
# tests/wine/run.sh, with the Wine prefixes of the build folder's wine/ folder.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(pellomar_mingw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${pellomar_mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${pellomar_mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${pellomar_mingw_triple}-windres)

# Libraries, headers and packages come from the target's tree only; programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${pellomar_mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every executable carries the C++ library, libgcc and winpthread inside it, so it imports
# only DLLs that every Windows has.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

get_filename_component(pellomar_wine_run "${CMAKE_CURRENT_LIST_DIR}/../../tests/wine/run.sh"
                       ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${pellomar_wine_run};--state;${CMAKE_BINARY_DIR}/wine")

# The build's Python tools run on Debian, with Debian's Python 3 and its python3-pefile, even
# where another Python 3 comes first on the PATH.
set(Python3_EXECUTABLE /usr/bin/python3 CACHE FILEPATH "Python 3 with pefile")
