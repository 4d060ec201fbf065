# One static library per source folder, with its tests and benchmarks found by
# folder: sources under <dir>/, tests under tests/<dir>/, benchmarks under
# bench/<dir>/. A file named main.cpp never goes into a library.
set(CMAKE_AUTOMOC ON)

# krv_add_tests(<target> [PER_SUITE] LABEL <label> SOURCES <files...> LINKS <targets...>
#               [SUITE_SHARDS <suite> <count>...])
# One GoogleTest executable; every test in it carries the ctest label. With
# PER_SUITE each test suite is one ctest test (one process), so a suite can
# share an expensive fixture through SetUpTestSuite; the suites are read
# from the sources, which re-run the configuration when they change.
# SUITE_SHARDS spreads a long suite over <count> processes, ctest tests
# <suite>.shard<k>of<count>: GoogleTest's sharding gives each process every
# count-th test of the suite, so each test runs in exactly one of them and
# a fixture shared through SetUpTestSuite is built once per process.
function(krv_add_tests target)
  cmake_parse_arguments(T "PER_SUITE" "LABEL" "SOURCES;LINKS;SUITE_SHARDS" ${ARGN})
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
  if(T_SUITE_SHARDS AND NOT T_PER_SUITE)
    message(FATAL_ERROR "${target}: SUITE_SHARDS needs PER_SUITE")
  endif()
  if(NOT T_PER_SUITE)
    gtest_discover_tests(${target}
      DISCOVERY_MODE PRE_TEST
      DISCOVERY_TIMEOUT 120
      PROPERTIES LABELS ${T_LABEL} ENVIRONMENT "${environment}")
    return()
  endif()
  set(suites)
  foreach(source IN LISTS T_SOURCES)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
    file(STRINGS ${source} lines REGEX "^TEST(_F|_P)?\\([A-Za-z0-9_]+,")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^TEST(_F|_P)?\\(([A-Za-z0-9_]+),.*" "\\2" suite "${line}")
      list(APPEND suites ${suite})
    endforeach()
  endforeach()
  set(shards ${T_SUITE_SHARDS})
  while(shards)
    list(POP_FRONT shards suite count)
    if(NOT suite IN_LIST suites OR NOT count MATCHES "^[1-9][0-9]*$")
      message(FATAL_ERROR "${target}: SUITE_SHARDS ${suite} ${count}: no such suite, or no process count")
    endif()
    set(shards_of_${suite} ${count})
  endwhile()
  list(REMOVE_DUPLICATES suites)
  foreach(suite IN LISTS suites)
    set(filter --gtest_filter=${suite}.*:*/${suite}.*)
    if(NOT DEFINED shards_of_${suite})
      add_test(NAME ${suite} COMMAND ${target} ${filter})
      set_tests_properties(${suite} PROPERTIES LABELS ${T_LABEL} ENVIRONMENT "${environment}")
      continue()
    endif()
    set(count ${shards_of_${suite}})
    math(EXPR last "${count} - 1")
    foreach(index RANGE ${last})
      math(EXPR number "${index} + 1")
      set(name ${suite}.shard${number}of${count})
      add_test(NAME ${name} COMMAND ${target} ${filter})
      set_tests_properties(${name} PROPERTIES LABELS ${T_LABEL}
        ENVIRONMENT "${environment};GTEST_TOTAL_SHARDS=${count};GTEST_SHARD_INDEX=${index}")
    endforeach()
  endforeach()
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

# krv_add_layer(<name> [DIR <dir>] [LABEL <label>] [TESTS_PER_SUITE] [EXCLUDE <regex>...] [DEPS <targets>...]
#               [SUITE_SHARDS <suite> <count>...])
# Declares library krv_<name> from <dir> (default: the name), test executable
# test_<name> from tests/<dir> and, with KRV_BUILD_BENCH, bench_<name> from
# bench/<dir>. EXCLUDE regexes apply to all three globs. TESTS_PER_SUITE and
# SUITE_SHARDS register the tests as krv_add_tests does.
function(krv_add_layer name)
  cmake_parse_arguments(L "TESTS_PER_SUITE" "DIR;LABEL" "EXCLUDE;DEPS;SUITE_SHARDS" ${ARGN})
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
                SUITE_SHARDS ${L_SUITE_SHARDS})

  if(KRV_BUILD_BENCH)
    _krv_glob(benches bench/${L_DIR} PATTERNS *.cpp *.h EXCLUDE ${L_EXCLUDE})
    if(benches)
      add_executable(bench_${name} ${benches})
      target_link_libraries(bench_${name} PRIVATE ${lib} benchmark::benchmark_main)
    endif()
  endif()
endfunction()
