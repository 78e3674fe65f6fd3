# The portable logic on the host: unit tests, sanitizers, fuzzers, command-line tools.
set(TW_ROOT ${CMAKE_SOURCE_DIR})
add_compile_options(-Wall -Wextra -Wno-unused-parameter)

option(TW_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(TW_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()
if(TW_FUZZ)
  # The code under test is instrumented too, so the fuzzer sees what its inputs reach.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

add_library(tintwell_portable STATIC ${TW_PORTABLE_SOURCES} ${TW_NATIVE_SOURCES})
target_include_directories(tintwell_portable PUBLIC ${TW_ROOT})
find_package(Threads REQUIRED)
target_link_libraries(tintwell_portable PUBLIC Threads::Threads)

# GoogleTest: the installed library (libgtest-dev) if there is one, else the sources that
# Debian's googletest package puts in /usr/src. Newer googletest sources define the GTest::
# names themselves; older ones do not.
find_package(GTest QUIET)
if(NOT GTest_FOUND)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  if(NOT TARGET GTest::gtest)
    add_library(GTest::gtest ALIAS gtest)
  endif()
  if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest_main ALIAS gtest_main)
  endif()
endif()
include(GoogleTest)

file(GLOB TW_UNIT_TESTS CONFIGURE_DEPENDS ${TW_ROOT}/tests/unit/*_test.cpp)
file(GLOB TW_UNIT_SUPPORT CONFIGURE_DEPENDS ${TW_ROOT}/tests/unit/support/*.cpp ${TW_ROOT}/tests/testdata/*.cpp)
add_executable(unit_tests ${TW_UNIT_TESTS} ${TW_UNIT_SUPPORT} ${TW_ROOT}/editions/1/edition.cpp)
target_link_libraries(unit_tests PRIVATE tintwell_portable GTest::gtest_main)
gtest_discover_tests(unit_tests DISCOVERY_MODE PRE_TEST PROPERTIES LABELS unit)

# Command-line tools: tools/native/<name>.cpp, one program each.
file(GLOB TW_NATIVE_TOOLS CONFIGURE_DEPENDS ${TW_ROOT}/tools/native/*.cpp)
foreach(src ${TW_NATIVE_TOOLS})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src} ${TW_ROOT}/editions/1/edition.cpp)
  target_link_libraries(${name} PRIVATE tintwell_portable)
endforeach()

# Benchmarks: tests/bench/*_bench.cpp, one program each (run by tools/bench.sh, not by CTest).
file(GLOB TW_BENCH CONFIGURE_DEPENDS ${TW_ROOT}/tests/bench/*_bench.cpp)
foreach(src ${TW_BENCH})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src} ${TW_ROOT}/editions/1/edition.cpp)
  target_link_libraries(${name} PRIVATE tintwell_portable)
endforeach()

# Fuzz targets: tests/fuzz/<name>_fuzz.cpp defining LLVMFuzzerTestOneInput. With clang they become
# libFuzzer programs (TW_FUZZ=ON); otherwise a small randomised driver runs them.
# tools/fuzz.sh builds them with TW_FUZZ=ON; each keeps its corpus in tests/fuzz/corpus/<target>.
option(TW_FUZZ "Build libFuzzer targets (needs clang)" OFF)
file(GLOB TW_FUZZ_TARGETS CONFIGURE_DEPENDS ${TW_ROOT}/tests/fuzz/*_fuzz.cpp)
foreach(src ${TW_FUZZ_TARGETS})
  get_filename_component(name ${src} NAME_WE)
  string(REGEX REPLACE "_fuzz$" "" target ${name})
  if(TW_FUZZ)
    add_executable(${name} ${src} ${TW_ROOT}/editions/1/edition.cpp)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  else()
    add_executable(${name} ${src} ${TW_ROOT}/tests/fuzz/driver/random_driver.cpp ${TW_ROOT}/editions/1/edition.cpp)
    # Every kept input, then a short deterministic run of mutations, is part of the unit tests.
    file(GLOB corpus CONFIGURE_DEPENDS ${TW_ROOT}/tests/fuzz/corpus/${target}/*)
    add_test(NAME ${name}_smoke COMMAND ${name} -runs=3000 -seed=1 ${corpus})
    set_tests_properties(${name}_smoke PROPERTIES LABELS fuzz)
  endif()
  target_link_libraries(${name} PRIVATE tintwell_portable)
endforeach()

# Python checks of generated content (resources, music, pages): tests/<area>/*.py registered by name.
find_program(TW_PYTHON /usr/bin/python3)
foreach(check tests/resources/check_resources.py tests/music/check_music.py tests/pages/test_pages.py
              tools/pages/dino/test_drawing.py tests/release/test_colouring_book.py)
  if(EXISTS ${TW_ROOT}/${check})
    get_filename_component(name ${check} NAME_WE)
    add_test(NAME ${name} COMMAND ${TW_PYTHON} ${TW_ROOT}/${check} WORKING_DIRECTORY ${TW_ROOT})
    set_tests_properties(${name} PROPERTIES LABELS content TIMEOUT 900)
  endif()
endforeach()

# A new machine has googletest's sources but not always the installed library: the build must
# configure both ways, whichever this machine happens to have.
add_test(NAME cmake_configures_with_googletest_sources
         COMMAND ${CMAKE_COMMAND} -S ${TW_ROOT} -B ${CMAKE_BINARY_DIR}/configure-check -G Ninja
                 -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON)
set_tests_properties(cmake_configures_with_googletest_sources PROPERTIES LABELS unit)
