# roster_add_test(NAME source...): one GoogleTest program, registered with
# CTest test by test, linked with the core library and the test support code.
find_package(GTest REQUIRED)
include(GoogleTest)

function(roster_add_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE roster_window roster_cli roster_test_support GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS unit)
endfunction()
