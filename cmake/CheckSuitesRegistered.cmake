# cmake -DTEST_EXE=<GoogleTest executable> -DSUITES_FILE=<file> -P CheckSuitesRegistered.cmake
cmake_policy(VERSION 3.25)
# Fails when the executable holds a test suite missing from the list of
# suites registered as ctest tests (read from the sources, one TEST line
# each): such a suite's tests would never run.
file(READ ${SUITES_FILE} registered)
execute_process(COMMAND ${TEST_EXE} --gtest_list_tests
                OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${TEST_EXE} --gtest_list_tests failed: ${status}")
endif()
string(REGEX MATCHALL "(^|\n)[^ \n][^\n]*" lines "${listing}")
set(missing)
foreach(line IN LISTS lines)
  string(STRIP "${line}" line)
  # "Suite.", "Prefix/Suite." (parameterised), "Suite/N." (typed).
  string(REGEX REPLACE "\\.( .*)?$" "" suite "${line}")
  string(REGEX REPLACE "/[0-9]+$" "" suite "${suite}")
  string(REGEX REPLACE "^.*/" "" suite "${suite}")
  if(NOT suite IN_LIST registered)
    list(APPEND missing ${suite})
  endif()
endforeach()
if(missing)
  list(REMOVE_DUPLICATES missing)
  message(FATAL_ERROR "${TEST_EXE}: suites no ctest test runs: ${missing}\n"
                      "Start each test with TEST, TEST_F, TEST_P or TYPED_TEST(Suite, at the start of a line.")
endif()
