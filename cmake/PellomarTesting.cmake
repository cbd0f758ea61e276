# pellomar_add_test(<name> SOURCES <files...> LIBRARIES <targets...>)
# One GoogleTest executable per test file, each case registered with CTest; built with
# mingw-w64, also a test that it imports only system DLLs.
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

function(pellomar_add_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBRARIES")
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} GTest::gtest GTest::gtest_main)
  pellomar_set_warnings(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 DISCOVERY_MODE ${pellomar_discovery_mode})
  if(MINGW)
    pellomar_check_imports(${name})
  endif()
endfunction()
