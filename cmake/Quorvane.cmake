# Helpers shared by every subsystem's CMakeLists.txt.
#
#   qv_core_sources(files...)    portable code (no <windows.h>): library quorvane_core, both builds
#   qv_win32_sources(files...)   Win32 code: library quorvane_win, cross build only
#   qv_native_test(name SOURCES ... [LIBS ...])    GoogleTest, native, under the sanitizers
#   qv_wine_test(name SOURCES ... [LIBS ...] [ENV ...] [ARGS ...] [HTTP_PEER] [SMTP_PEER])  GoogleTest,
#                                cross-built, run under Wine; HTTP_PEER: beside a loopback HTTP server
#                                (QV_HTTP_PEER); SMTP_PEER: beside loopback SMTP servers (QV_SMTP_PORTS)
#   qv_wine_run(name PROGRAM prog [ENV ...] [ARGS ...])  one more Wine run of a test program
#   qv_win32_program(name SOURCES ... [LIBS ...])  a helper program for the Wine tests
#   qv_benchmark(name SOURCES ... [LIBS ...])      native program printing figures (not a test)

# The product: the 32-bit build. The Wine tests run the build this machine can run: the same
# 32-bit build, or on a machine that runs no 32-bit programs a 64-bit build of the same code
# (QV_WINE_ARCH, found by tests/support/wine-arch.sh unless given).
set(QV_WIN32_DIR ${CMAKE_BINARY_DIR}/win32)
set(QV_WINE_ARCH "" CACHE STRING "Windows build the Wine tests run: i686 or x86_64 (empty: what this machine runs)")
if(NOT QV_WIN32)
  if(QV_WINE_ARCH)
    set(QV_TEST_ARCH ${QV_WINE_ARCH})
  else()
    execute_process(COMMAND ${CMAKE_SOURCE_DIR}/tests/support/wine-arch.sh
                    OUTPUT_VARIABLE QV_TEST_ARCH OUTPUT_STRIP_TRAILING_WHITESPACE)
  endif()
  if(QV_TEST_ARCH STREQUAL "x86_64")
    set(QV_WINTEST_DIR ${CMAKE_BINARY_DIR}/win64)
  else()
    set(QV_TEST_ARCH i686)
    set(QV_WINTEST_DIR ${QV_WIN32_DIR})
  endif()
endif()
option(QV_WIN_TESTS "Cross build: also build the Win32 test programs" ON)

add_library(qv_options INTERFACE)
target_compile_options(qv_options INTERFACE
  -Wall -Wextra -Wshadow -Wformat=2 -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-qual
  $<$<BOOL:${QV_WERROR}>:-Werror>)
target_include_directories(qv_options INTERFACE ${CMAKE_SOURCE_DIR})
if(QV_WIN32)
  # ANSI Win32 throughout: every text is 8-bit in the system code page.
  target_compile_definitions(qv_options INTERFACE WINVER=0x0600 _WIN32_WINNT=0x0600
    _WIN32_IE=0x0600 WIN32_LEAN_AND_MEAN NOMINMAX STRICT)
  target_link_options(qv_options INTERFACE -static -static-libgcc -static-libstdc++)
elseif(QV_SANITIZE)
  target_compile_options(qv_options INTERFACE -fsanitize=address,undefined
    -fno-sanitize-recover=all -fno-omit-frame-pointer -g)
  target_link_options(qv_options INTERFACE -fsanitize=address,undefined)
endif()

# Every subsystem adds its files to one portable and one Win32 library, so the subsystems may
# call each other without link-order cycles; the folders keep the code apart.
add_library(quorvane_core STATIC)
target_link_libraries(quorvane_core PUBLIC qv_options)
if(QV_WIN32)
  add_library(quorvane_win STATIC)
  target_link_libraries(quorvane_win PUBLIC quorvane_core qv_options
    comctl32 comdlg32 shell32 shlwapi ole32 oleaut32 uuid wininet wsock32 ws2_32
    lz32 winmm gdi32 user32 advapi32 kernel32 version)
endif()

function(qv_core_sources)
  target_sources(quorvane_core PRIVATE ${ARGN})
endfunction()

function(qv_win32_sources)
  if(QV_WIN32)
    target_sources(quorvane_win PRIVATE ${ARGN})
  endif()
endfunction()

function(qv_native_test name)
  if(QV_WIN32)
    return()
  endif()
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE qv_options ${A_LIBS} gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS native TIMEOUT 300)
endfunction()

function(qv_benchmark name)
  if(QV_WIN32)
    return()
  endif()
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE qv_options ${A_LIBS})
endfunction()

function(qv_win32_program name)
  if(NOT QV_WIN32)
    return()
  endif()
  cmake_parse_arguments(A "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE qv_options ${A_LIBS})
  if(A_GUI)
    target_link_options(${name} PRIVATE -mwindows)
  endif()
endfunction()

# A Wine test is one GoogleTest program. The cross build makes it; the native build registers
# it to run under Wine in a fresh copy of the test prefix, on the shared virtual display.
function(qv_wine_test name)
  cmake_parse_arguments(A "HTTP_PEER;SMTP_PEER" "TIMEOUT" "SOURCES;LIBS;ENV;ARGS" ${ARGN})
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 600)
  endif()
  if(QV_WIN32)
    add_executable(${name} ${A_SOURCES})
    target_link_libraries(${name} PRIVATE qv_options ${A_LIBS} qv_wine_support)
  elseif(QV_WITH_WIN32)
    set(peer "")
    if(A_HTTP_PEER)
      set(peer ${CMAKE_SOURCE_DIR}/tests/support/with-http-peer.sh)
    elseif(A_SMTP_PEER)
      # Debian's interpreter, which has aiosmtpd; "python3" on the path may be another.
      set(peer /usr/bin/python3 ${CMAKE_SOURCE_DIR}/tests/support/smtp_peer.py)
    endif()
    add_test(NAME ${name}
      COMMAND ${peer} ${CMAKE_SOURCE_DIR}/tests/support/wine-run.sh
              ${CMAKE_BINARY_DIR}/wineprefix-template ${QV_WINTEST_DIR}/bin ${name}.exe ${A_ARGS})
    set_tests_properties(${name} PROPERTIES LABELS wine TIMEOUT ${A_TIMEOUT}
      FIXTURES_REQUIRED "wineprefix;xvfb"
      # One at a time: the programs of separate prefixes still share the display's clipboard
      # and keyboard focus, which the tests use.
      RESOURCE_LOCK virtual_display)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QV_DISPLAY_FILE=${CMAKE_BINARY_DIR}/xvfb.pid.display;${A_ENV}")
  endif()
endfunction()

# Another run of a Wine test program, e.g. under another locale or with a gtest filter.
function(qv_wine_run name)
  cmake_parse_arguments(A "" "PROGRAM;TIMEOUT" "ENV;ARGS" ${ARGN})
  if(QV_WIN32 OR NOT QV_WITH_WIN32)
    return()
  endif()
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 600)
  endif()
  add_test(NAME ${name}
    COMMAND ${CMAKE_SOURCE_DIR}/tests/support/wine-run.sh
            ${CMAKE_BINARY_DIR}/wineprefix-template ${QV_WINTEST_DIR}/bin ${A_PROGRAM}.exe ${A_ARGS})
  set_tests_properties(${name} PROPERTIES LABELS wine TIMEOUT ${A_TIMEOUT}
    FIXTURES_REQUIRED "wineprefix;xvfb"
      # One at a time: the programs of separate prefixes still share the display's clipboard
      # and keyboard focus, which the tests use.
      RESOURCE_LOCK virtual_display)
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QV_DISPLAY_FILE=${CMAKE_BINARY_DIR}/xvfb.pid.display;${A_ENV}")
endfunction()
