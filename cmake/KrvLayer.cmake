# One static library per source folder, with its tests and benchmarks found by
# folder: sources under <dir>/, tests under tests/<dir>/, benchmarks under
# bench/<dir>/. A file named main.cpp never goes into a library.
set(CMAKE_AUTOMOC ON)

# _krv_add_test_processes(<name> <target> <count> <label> <environment> [args...])
# ctest test <name> running <target> [args...], or with a count above one the
# tests <name>.shard<k>of<count>: GoogleTest's sharding gives each process
# every count-th test, so each test runs in exactly one of them.
function(_krv_add_test_processes name target count label environment)
  if(count EQUAL 1)
    add_test(NAME ${name} COMMAND ${target} ${ARGN})
    set_tests_properties(${name} PROPERTIES LABELS ${label} ENVIRONMENT "${environment}")
    return()
  endif()
  math(EXPR last "${count} - 1")
  foreach(index RANGE ${last})
    math(EXPR number "${index} + 1")
    set(shard ${name}.shard${number}of${count})
    add_test(NAME ${shard} COMMAND ${target} ${ARGN})
    set_tests_properties(${shard} PROPERTIES LABELS ${label}
      ENVIRONMENT "${environment};GTEST_TOTAL_SHARDS=${count};GTEST_SHARD_INDEX=${index}")
  endforeach()
endfunction()

# krv_add_tests(<target> LABEL <label> SOURCES <files...> LINKS <targets...>
#               [SHARDS <count>] [PER_SUITE [SUITE_SHARDS <suite> <count>...]])
# One GoogleTest executable; every test in it carries the ctest label. It
# runs as one ctest test named <target>, or over <count> processes with
# SHARDS: starting a sanitized process costs as much as many small tests.
# With PER_SUITE each test suite (TEST, TEST_F, TEST_P or TYPED_TEST) is one
# ctest test instead, so the tests of a suite that share an expensive fixture
# through SetUpTestSuite build it once, and a failure names its suite. The
# suites are read from the sources, which re-run the configuration when they
# change; <target>.everySuiteRegistered fails when the executable holds a
# suite that was not read, so none goes unrun. SUITE_SHARDS spreads a long
# suite over <count> processes, <suite>.shard<k>of<count>, each building
# such a fixture once.
function(krv_add_tests target)
  cmake_parse_arguments(T "PER_SUITE" "LABEL;SHARDS" "SOURCES;LINKS;SUITE_SHARDS" ${ARGN})
  if(NOT KRV_BUILD_TESTS OR NOT T_SOURCES)
    return()
  endif()
  add_executable(${target} ${T_SOURCES})
  # Test sources build in batches of eight (their file-local helpers need
  # names unique within the executable) and without optimisation: parsing
  # the shared headers dominates their cost, not the code they run.
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
  target_compile_options(${target} PRIVATE $<$<CONFIG:Debug>:-O0>)
  target_link_libraries(${target} PRIVATE ${T_LINKS} krv_testsupport)
  set(environment "QT_QPA_PLATFORM=offscreen;KRV_TEST_FIXTURES=${PROJECT_SOURCE_DIR}/tests")
  if(NOT T_SHARDS)
    set(T_SHARDS 1)
  endif()
  if(NOT T_SHARDS MATCHES "^[1-9][0-9]*$" OR (T_SUITE_SHARDS AND NOT T_PER_SUITE)
     OR (T_PER_SUITE AND NOT T_SHARDS EQUAL 1))
    message(FATAL_ERROR "${target}: SHARDS needs a process count; SUITE_SHARDS needs PER_SUITE, which takes no SHARDS")
  endif()
  if(NOT T_PER_SUITE)
    _krv_add_test_processes(${target} ${target} ${T_SHARDS} ${T_LABEL} "${environment}")
    return()
  endif()
  set(suites)
  foreach(source IN LISTS T_SOURCES)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
    file(STRINGS ${source} lines REGEX "^(TYPED_)?TEST(_F|_P)?\\([A-Za-z0-9_]+,")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^(TYPED_)?TEST(_F|_P)?\\(([A-Za-z0-9_]+),.*" "\\3" suite "${line}")
      list(APPEND suites ${suite})
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES suites)
  foreach(suite IN LISTS suites)
    set(shards_of_${suite} 1)
  endforeach()
  set(shards ${T_SUITE_SHARDS})
  while(shards)
    list(POP_FRONT shards suite count)
    if(NOT suite IN_LIST suites OR NOT count MATCHES "^[1-9][0-9]*$")
      message(FATAL_ERROR "${target}: SUITE_SHARDS ${suite} ${count}: no such suite, or no process count")
    endif()
    set(shards_of_${suite} ${count})
  endwhile()
  foreach(suite IN LISTS suites)
    # Plain, parameterised (Prefix/Suite) and typed (Suite/N) suites.
    _krv_add_test_processes(${suite} ${target} ${shards_of_${suite}} ${T_LABEL} "${environment}"
                            --gtest_filter=${suite}.*:*/${suite}.*:${suite}/*)
  endforeach()
  set(registered ${CMAKE_CURRENT_BINARY_DIR}/${target}.suites)
  file(WRITE ${registered} "${suites}")
  add_test(NAME ${target}.everySuiteRegistered
           COMMAND ${CMAKE_COMMAND} -DTEST_EXE=$<TARGET_FILE:${target}> -DSUITES_FILE=${registered}
                   -P ${PROJECT_SOURCE_DIR}/cmake/CheckSuitesRegistered.cmake)
  set_tests_properties(${target}.everySuiteRegistered PROPERTIES LABELS ${T_LABEL} ENVIRONMENT "${environment}")
endfunction()

function(_krv_glob out dir)
  cmake_parse_arguments(G "" "" "EXCLUDE;PATTERNS" ${ARGN})
  set(globs)
  foreach(p IN LISTS G_PATTERNS)
    list(APPEND globs ${PROJECT_SOURCE_DIR}/${dir}/${p})
  endforeach()
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${globs})
  foreach(ex IN LISTS G_EXCLUDE)
    list(FILTER files EXCLUDE REGEX "${ex}")
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# krv_add_layer(<name> [DIR <dir>] [LABEL <label>] [EXCLUDE <regex>...] [DEPS <targets>...]
#               [TEST_SHARDS <count>] [TESTS_PER_SUITE [SUITE_SHARDS <suite> <count>...]])
# Declares library krv_<name> from <dir> (default: the name), test executable
# test_<name> from tests/<dir> and, with KRV_BUILD_BENCH, bench_<name> from
# bench/<dir>. EXCLUDE regexes apply to all three globs. TEST_SHARDS,
# TESTS_PER_SUITE and SUITE_SHARDS register the tests as krv_add_tests's
# SHARDS, PER_SUITE and SUITE_SHARDS do.
function(krv_add_layer name)
  cmake_parse_arguments(L "TESTS_PER_SUITE" "DIR;LABEL;TEST_SHARDS" "EXCLUDE;DEPS;SUITE_SHARDS" ${ARGN})
  if(NOT L_DIR)
    set(L_DIR ${name})
  endif()
  if(NOT L_LABEL)
    set(L_LABEL ${name})
  endif()
  set(lib krv_${name})

  _krv_glob(sources ${L_DIR} PATTERNS *.cpp *.h *.qrc EXCLUDE "/main\\.cpp$" ${L_EXCLUDE})
  set(compiled ${sources})
  list(FILTER compiled INCLUDE REGEX "\\.(cpp|qrc)$")
  if(compiled)
    add_library(${lib} STATIC ${sources})
    # Sources build in batches of eight as tests do (file-local names must
    # be unique within the folder): the shared headers dominate their cost.
    set_target_properties(${lib} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
    target_link_libraries(${lib} PUBLIC krv_options ${L_DEPS})
  else()
    add_library(${lib} INTERFACE ${sources})
    target_link_libraries(${lib} INTERFACE krv_options ${L_DEPS})
  endif()

  _krv_glob(tests tests/${L_DIR} PATTERNS *.cpp *.h *.qrc EXCLUDE ${L_EXCLUDE})
  set(per_suite)
  if(L_TESTS_PER_SUITE)
    set(per_suite PER_SUITE)
  endif()
  krv_add_tests(test_${name} ${per_suite} LABEL ${L_LABEL} SOURCES ${tests} LINKS ${lib}
                SHARDS ${L_TEST_SHARDS} SUITE_SHARDS ${L_SUITE_SHARDS})

  if(KRV_BUILD_BENCH)
    _krv_glob(benches bench/${L_DIR} PATTERNS *.cpp *.h EXCLUDE ${L_EXCLUDE})
    if(benches)
      add_executable(bench_${name} ${benches})
      target_link_libraries(bench_${name} PRIVATE ${lib} benchmark::benchmark_main)
    endif()
  endif()
endfunction()
