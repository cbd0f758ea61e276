# Release builds give the same bytes from the same sources, whichever folders they are built in
# and whenever, as Debian's reproducible-builds work asks of a package:
# - paths of the source and build folders are mapped to relative ones in everything compiled
#   (file names in debug information and in __FILE__), so no folder name reaches the program;
# - static libraries carry no time stamps, owners or modes (ar's deterministic mode);
# - Windows programs carry no link time in their PE header (the resource compiler writes none);
# - the package's time stamps are the last commit's (SOURCE_DATE_EPOCH, PellomarPackage).
# Debug and everyday builds keep absolute paths, which debuggers and sanitizers report.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  return()
endif()

set(pellomar_shipped_config "$<CONFIG:Release,MinSizeRel>")
set(pellomar_shipped_code "$<AND:${pellomar_shipped_config},$<COMPILE_LANGUAGE:C,CXX>>")
# The build folder may lie inside the source folder: its longer prefix is matched first by
# both compilers (GCC takes the last option that matches, Clang the longest prefix).
add_compile_options(
  "$<${pellomar_shipped_code}:-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=>"
  "$<${pellomar_shipped_code}:-ffile-prefix-map=${PROJECT_BINARY_DIR}/=>")

foreach(language C CXX)
  set(CMAKE_${language}_ARCHIVE_CREATE "<CMAKE_AR> qcD <TARGET> <LINK_FLAGS> <OBJECTS>")
  set(CMAKE_${language}_ARCHIVE_APPEND "<CMAKE_AR> qD <TARGET> <LINK_FLAGS> <OBJECTS>")
  set(CMAKE_${language}_ARCHIVE_FINISH "<CMAKE_RANLIB> -D <TARGET>")
endforeach()

if(WIN32)
  add_link_options("LINKER:--no-insert-timestamp")
endif()
