# The five programs, the Win32 unit tests and the end-to-end tests, all run under Wine.
set(TW_ROOT ${CMAKE_SOURCE_DIR})
# Test programs run under Wine, through the test environment of tools/test.sh.
set(CMAKE_CROSSCOMPILING_EMULATOR ${TW_ROOT}/tools/wine-run.sh)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
add_compile_options(-Wall -Wextra -Wno-unused-parameter -Wno-cast-function-type)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501)
# A plain -static: otherwise the programs import libwinpthread-1.dll.
set(TW_LINK_OPTIONS -static -static-libgcc -static-libstdc++)

add_library(tintwell_core STATIC ${TW_PORTABLE_SOURCES} ${TW_WIN32_SOURCES})
target_include_directories(tintwell_core PUBLIC ${TW_ROOT})
target_link_libraries(tintwell_core PUBLIC gdi32 user32 winmm comdlg32 advapi32 shell32 kernel32)

set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I ${TW_ROOT}")
file(GLOB_RECURSE TW_RESOURCE_FILES CONFIGURE_DEPENDS
     ${TW_ROOT}/editions/*.bmp ${TW_ROOT}/editions/*.wav ${TW_ROOT}/editions/*.cur
     ${TW_ROOT}/editions/*.ico ${TW_ROOT}/editions/*.rc)
# The resource scripts take their ids from the program's header.
list(APPEND TW_RESOURCE_FILES ${TW_ROOT}/app/ids.h)

foreach(n 1 2 3 4 5)
  if(n EQUAL 1)
    set(exe tintwell)
  else()
    set(exe tintwell${n})
  endif()
  set(rc ${TW_ROOT}/editions/${n}/tintwell${n}.rc)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${TW_RESOURCE_FILES}")
  add_executable(${exe} WIN32 ${TW_ROOT}/app/winmain.cpp ${TW_ROOT}/editions/${n}/edition.cpp ${rc})
  target_link_libraries(${exe} PRIVATE tintwell_core)
  # The shipped programs carry no debugging symbols.
  target_link_options(${exe} PRIVATE ${TW_LINK_OPTIONS} -mwindows -s)
  list(APPEND TW_PROGRAMS ${exe})
endforeach()

# The picture saver of the release: every coloured page as a PNG.
include(${TW_ROOT}/pictures/sources.cmake)
add_executable(tintwell-pictures WIN32 ${TW_ROOT}/pictures/pictures_main.cpp ${TW_PICTURES_SOURCES}
               ${TW_ROOT}/pictures/pictures.rc)
target_link_libraries(tintwell-pictures PRIVATE tintwell_core windowscodecs ole32 shell32 uuid)
target_link_options(tintwell-pictures PRIVATE ${TW_LINK_OPTIONS} -mwindows -s)

# The yardstick of the start-up benchmark.
add_executable(bare_window WIN32 ${TW_ROOT}/tests/bench/bare_window.c)
target_link_options(bare_window PRIVATE -static -mwindows)

# A tiny program that keeps one Wine process alive for a whole test run.
add_executable(wineidle WIN32 ${TW_ROOT}/tests/support/wineidle.c)
target_link_options(wineidle PRIVATE -static -mwindows)

# The virtual printer of the tests (tools/wine-env.sh defines it in the test prefix).
add_executable(printer_setup ${TW_ROOT}/tests/printer/printer_setup.cpp ${TW_ROOT}/tests/printer/virtual_printer.cpp)
target_include_directories(printer_setup PRIVATE ${TW_ROOT})
target_link_libraries(printer_setup PRIVATE winspool)
target_link_options(printer_setup PRIVATE ${TW_LINK_OPTIONS})

# GoogleTest, cross-built with the same toolchain.
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# Win32 unit tests: the core library built for edition 1, tested in-process.
file(GLOB TW_WIN32_TESTS CONFIGURE_DEPENDS ${TW_ROOT}/tests/win32/*_test.cpp)
# Tests of one edition's resources run once per edition, in programs of their own.
set(TW_PER_EDITION_TESTS ${TW_ROOT}/tests/win32/resources_test.cpp)
list(REMOVE_ITEM TW_WIN32_TESTS ${TW_PER_EDITION_TESTS})
foreach(n 1 2 3 4 5)
  add_executable(edition${n}_tests ${TW_PER_EDITION_TESTS} ${TW_ROOT}/tests/win32/per_edition/edition_main.cpp
                 ${TW_ROOT}/editions/edition_table.cpp ${TW_ROOT}/editions/${n}/edition.cpp ${TW_ROOT}/editions/${n}/tintwell${n}.rc)
  target_include_directories(edition${n}_tests PRIVATE ${TW_ROOT})
  target_link_libraries(edition${n}_tests PRIVATE gtest gdi32 user32)
  target_link_options(edition${n}_tests PRIVATE ${TW_LINK_OPTIONS})
  gtest_discover_tests(edition${n}_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 TEST_PREFIX "edition${n}."
                       PROPERTIES LABELS win32 TIMEOUT 120)
endforeach()
file(GLOB TW_WIN32_TEST_SUPPORT CONFIGURE_DEPENDS ${TW_ROOT}/tests/win32/support/*.cpp)
# Portable helpers that write test data (page files, songs) for any test program.
file(GLOB TW_TESTDATA CONFIGURE_DEPENDS ${TW_ROOT}/tests/testdata/*.cpp)
add_executable(win32_tests ${TW_WIN32_TESTS} ${TW_WIN32_TEST_SUPPORT} ${TW_TESTDATA} ${TW_ROOT}/tests/win32/test_main.cpp
               ${TW_ROOT}/editions/1/edition.cpp ${TW_ROOT}/editions/1/tintwell1.rc)
target_link_libraries(win32_tests PRIVATE tintwell_core gtest winspool)
target_link_options(win32_tests PRIVATE ${TW_LINK_OPTIONS})
gtest_discover_tests(win32_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                     PROPERTIES LABELS win32 TIMEOUT 120)

# End-to-end tests: Win32 programs that start the real programs and drive them.
file(GLOB TW_E2E_TESTS CONFIGURE_DEPENDS ${TW_ROOT}/tests/e2e/*_test.cpp)
file(GLOB TW_E2E_SUPPORT CONFIGURE_DEPENDS ${TW_ROOT}/tests/e2e/support/*.cpp)
# Reading printouts needs the test printer; only the printing tests use it.
set(TW_E2E_PRINTOUT ${TW_ROOT}/tests/e2e/support/printout.cpp)
list(REMOVE_ITEM TW_E2E_SUPPORT ${TW_E2E_PRINTOUT})
add_executable(e2e_tests ${TW_E2E_TESTS} ${TW_E2E_SUPPORT} ${TW_E2E_PRINTOUT} ${TW_TESTDATA} ${TW_ROOT}/tests/e2e/e2e_main.cpp
               ${TW_ROOT}/editions/edition_table.cpp ${TW_ROOT}/dialogs/print_layout.cpp ${TW_ROOT}/page/colours.cpp
               ${TW_ROOT}/tests/printer/virtual_printer.cpp)
target_include_directories(e2e_tests PRIVATE ${TW_ROOT})
# The printing tests run the rasteriser (tools/rasterise.sh) and the PPD of the source tree.
target_compile_definitions(e2e_tests PRIVATE TW_SOURCE_DIR="${TW_ROOT}")
target_link_libraries(e2e_tests PRIVATE gtest gdi32 user32 psapi ole32 windowscodecs uuid winspool)
target_link_options(e2e_tests PRIVATE ${TW_LINK_OPTIONS})
add_dependencies(e2e_tests ${TW_PROGRAMS} tintwell-pictures)
gtest_discover_tests(e2e_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 TEST_FILTER "-DisplaySize*:PlainPrefix*"
                     PROPERTIES LABELS e2e TIMEOUT 300 RUN_SERIAL TRUE)

# The release's own tests (installer, zips), run by tests/release/run.sh on the files in dist/.
add_executable(release_tests ${TW_ROOT}/tests/release/release_test.cpp ${TW_E2E_SUPPORT} ${TW_TESTDATA}
               ${TW_ROOT}/tests/e2e/e2e_main.cpp ${TW_ROOT}/editions/edition_table.cpp ${TW_ROOT}/pictures/picture_names.cpp)
target_include_directories(release_tests PRIVATE ${TW_ROOT})
target_link_libraries(release_tests PRIVATE gtest gdi32 user32 psapi ole32 shell32 uuid)
target_link_options(release_tests PRIVATE ${TW_LINK_OPTIONS})
add_dependencies(release_tests ${TW_PROGRAMS})

# Benchmarks (not tests): tests/bench/*_wbench.cpp, each its own program.
file(GLOB TW_WBENCH CONFIGURE_DEPENDS ${TW_ROOT}/tests/bench/*_wbench.cpp)
foreach(src ${TW_WBENCH})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src} ${TW_ROOT}/editions/1/edition.cpp)
  target_link_libraries(${name} PRIVATE tintwell_core)
  target_link_options(${name} PRIVATE ${TW_LINK_OPTIONS})
endforeach()
# The dialog benchmark drives the real program with the end-to-end helpers.
target_sources(dialog_wbench PRIVATE ${TW_E2E_SUPPORT} ${TW_TESTDATA})
add_dependencies(dialog_wbench ${TW_PROGRAMS})

# The walk-pace benchmark drives the real program as the end-to-end tests do.
target_sources(walk_pace_wbench PRIVATE ${TW_E2E_SUPPORT} ${TW_TESTDATA})
target_link_libraries(walk_pace_wbench PRIVATE gdi32 user32 psapi)
add_dependencies(walk_pace_wbench tintwell)

# The undo benchmark times Ctrl+Z on the real program as the end-to-end tests drive it.
target_sources(undo_wbench PRIVATE ${TW_E2E_SUPPORT} ${TW_TESTDATA})
target_link_libraries(undo_wbench PRIVATE gdi32 user32)
add_dependencies(undo_wbench tintwell)

# The idle benchmark starts the real program and plays edition 1's song of the source tree.
target_sources(idle_wbench PRIVATE ${TW_E2E_SUPPORT} ${TW_TESTDATA})
target_compile_definitions(idle_wbench PRIVATE TW_SOURCE_DIR="${TW_ROOT}")
add_dependencies(idle_wbench tintwell)

# The print benchmark sends its jobs to the tests' virtual printer.
target_sources(print_wbench PRIVATE ${TW_ROOT}/tests/printer/virtual_printer.cpp
               ${TW_ROOT}/tests/win32/support/print_dialog.cpp)
target_compile_definitions(print_wbench PRIVATE TW_SOURCE_DIR="${TW_ROOT}")
target_link_libraries(print_wbench PRIVATE winspool)

# The display-size tests need virtual displays of other sizes.
add_test(NAME e2e_display_sizes
         COMMAND ${TW_ROOT}/tools/display-size-test.sh $<TARGET_FILE:e2e_tests>)
set_tests_properties(e2e_display_sizes PROPERTIES LABELS e2e TIMEOUT 300 RUN_SERIAL TRUE)

# The controls in a Wine prefix nobody has set up by hand.
add_test(NAME e2e_plain_prefix
         COMMAND ${TW_ROOT}/tools/plain-prefix-test.sh $<TARGET_FILE:e2e_tests>)
set_tests_properties(e2e_plain_prefix PROPERTIES LABELS e2e TIMEOUT 600 RUN_SERIAL TRUE)

# The page saver that the page-kill test starts and kills while it saves.
add_executable(page_saver ${TW_ROOT}/tests/win32/helpers/page_saver.cpp ${TW_ROOT}/editions/1/edition.cpp)
target_link_libraries(page_saver PRIVATE tintwell_core)
target_link_options(page_saver PRIVATE ${TW_LINK_OPTIONS})
add_dependencies(win32_tests page_saver)

# The soak benchmark drives the real program with the end-to-end helpers.
# It prints to the tests' virtual printer.
target_sources(soak_wbench PRIVATE ${TW_E2E_SUPPORT} ${TW_E2E_PRINTOUT} ${TW_TESTDATA}
               ${TW_ROOT}/tests/printer/virtual_printer.cpp)
target_compile_definitions(soak_wbench PRIVATE TW_SOURCE_DIR="${TW_ROOT}")
target_link_libraries(soak_wbench PRIVATE gdi32 user32 winspool)
add_dependencies(soak_wbench ${TW_PROGRAMS})
