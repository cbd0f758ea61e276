# pellomar_add_test(<name> SOURCES <files...> LIBRARIES <targets...>)
# One GoogleTest executable per test file, each case registered with CTest.
find_package(GTest REQUIRED)
include(GoogleTest)

function(pellomar_add_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBRARIES")
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} GTest::gtest GTest::gtest_main)
  pellomar_set_warnings(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()
