# The Windows program is shipped as one file: its release builds leave out what nothing calls.
# - Each function and datum in its own section, and the linker drops the sections nothing
#   reaches (the static C++ library brings much that the program never calls).
# - With PELLOMAR_LTO (the windows-release preset, which builds what is shipped), link-time
#   optimisation across the program's libraries; the test build leaves it off, as it would
#   optimise every test program again at its link.
# Neither costs anything at run time. The program is stripped of debug information as it is
# linked (app/windows); debug builds keep it.
option(PELLOMAR_LTO "Optimise the Windows program's release build at link time" OFF)
if(NOT WIN32)
  return()
endif()

if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(
    "$<$<AND:$<CONFIG:Release,MinSizeRel>,$<COMPILE_LANGUAGE:C,CXX>>:-ffunction-sections;-fdata-sections>")
  add_link_options("$<$<CONFIG:Release,MinSizeRel>:LINKER:--gc-sections>")
endif()

if(NOT PELLOMAR_LTO)
  return()
endif()
include(CheckIPOSupported)
check_ipo_supported(RESULT pellomar_ipo_supported LANGUAGES CXX OUTPUT pellomar_ipo_output)
if(pellomar_ipo_supported)
  set(CMAKE_INTERPROCEDURAL_OPTIMIZATION_RELEASE ON)
  set(CMAKE_INTERPROCEDURAL_OPTIMIZATION_MINSIZEREL ON)
else()
  message(STATUS "Link-time optimisation is not available: ${pellomar_ipo_output}")
endif()
