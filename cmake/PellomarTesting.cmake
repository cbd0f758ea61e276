# pellomar_add_test(<name> SOURCES <files...> LIBRARIES <targets...>)
# The test files of a folder make one GoogleTest executable, <folder>_tests after the folder's
# path (runtime_rules_tests), each case registered with CTest and run by it on its own; built
# with mingw-w64, also a test that it imports only system DLLs. One executable per library's
# tests, not per file, saves a link per file in every build (the sanitizer build's too) and,
# under Wine, a start of the program to list its cases.
include(GoogleTest)

if(CMAKE_CROSSCOMPILING)
  # Debian has GoogleTest libraries for the host only; its sources build for the target here.
  # Nothing here uses gmock, and nothing of GoogleTest is installed. SYSTEM keeps the
  # project's warnings out of GoogleTest's headers, as they are for the host's copy.
  set(PELLOMAR_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest's sources")
  set(BUILD_GMOCK OFF)
  set(INSTALL_GTEST OFF)
  add_subdirectory("${PELLOMAR_GTEST_SOURCE_DIR}" "${PROJECT_BINARY_DIR}/googletest"
                   EXCLUDE_FROM_ALL SYSTEM)
  # The test programs cannot run on the build machine: list their cases when ctest starts,
  # through the emulator (Wine), rather than right after linking.
  set(pellomar_discovery_mode PRE_TEST)
else()
  find_package(GTest REQUIRED)
  set(pellomar_discovery_mode POST_BUILD)
endif()

# pellomar_check_imports(<target>): a test that the Windows program <target>, built with
# mingw-w64, imports only DLLs that every Windows has.
function(pellomar_check_imports target)
  add_test(NAME ${target}.ImportsOnlySystemDlls
           COMMAND "${PROJECT_SOURCE_DIR}/tests/wine/check-imports.sh" "${CMAKE_OBJDUMP}"
                   "$<TARGET_FILE:${target}>")
endfunction()

# <name> is the file's object library, for what only its file needs (compile definitions). A
# file that replaces the global allocation functions keeps an executable of its own, named
# <name>: the replacement would reach every test beside it.
function(pellomar_add_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBRARIES")
  set(libraries ${arg_LIBRARIES} GTest::gtest)
  foreach(source IN LISTS arg_SOURCES)
    file(STRINGS "${source}" replaced REGEX "^[^/]*void\\* operator new\\(")
    if(replaced)
      set(executable ${name})
    endif()
  endforeach()
  if(NOT DEFINED executable)
    add_library(${name} OBJECT ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${libraries})
    pellomar_set_warnings(${name})
    file(RELATIVE_PATH folder "${PROJECT_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}")
    string(MAKE_C_IDENTIFIER "${folder}_tests" executable)
  endif()
  if(NOT TARGET ${executable})
    add_executable(${executable})
    target_link_libraries(${executable} PRIVATE GTest::gtest_main)
    pellomar_set_warnings(${executable})
    gtest_discover_tests(${executable} DISCOVERY_TIMEOUT 60
                         DISCOVERY_MODE ${pellomar_discovery_mode})
    if(MINGW)
      pellomar_check_imports(${executable})
    endif()
  endif()
  if(executable STREQUAL name)
    target_sources(${executable} PRIVATE ${arg_SOURCES})
  else()
    target_link_libraries(${executable} PRIVATE ${name})
  endif()
  target_link_libraries(${executable} PRIVATE ${libraries})
endfunction()

# pellomar_add_qt_test(<name> SOURCES <files...> LIBRARIES <targets...>): one QtTest executable,
# run by CTest on Qt's offscreen platform, so that no display is needed. What it writes for
# people to look at (screenshots) goes to PELLOMAR_SCREENSHOT_DIR, its build folder.
function(pellomar_add_qt_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBRARIES")
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} Qt6::Test)
  target_compile_definitions(${name} PRIVATE
    PELLOMAR_SCREENSHOT_DIR="${CMAKE_CURRENT_BINARY_DIR}")
  pellomar_set_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
