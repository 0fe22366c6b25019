# Shared compile settings and test registration helpers.

# Sources are UTF-8; strings in the programs are Shift-JIS (code page 932), in both
# builds, so portable code sees the same bytes natively and on Windows.
# (clang knows no other execution charset; the fuzz build keeps UTF-8 literals.)
add_compile_options(-Wall -Wextra)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(-finput-charset=UTF-8 -fexec-charset=CP932)
endif()

# Wine tests are registered in the one cross build that Wine can run here.
option(MOV_WINE_TESTS "Register the Wine test tiers in this cross build" ON)

if(WIN32)
  # Every shipped file runs on a bare machine: no MinGW runtime DLLs.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0500)
  set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
endif()

# The fuzz build (clang) instruments all code for coverage; targets add the fuzzer main.
set(MOV_FUZZ_SECONDS 15 CACHE STRING "How long each fuzz target runs in the test suite")
if(MOV_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Native unit tests: GoogleTest, sanitizers on.
option(MOV_SANITIZE "Build native code with AddressSanitizer and UBSan" ON)
if(NOT WIN32 AND MOV_SANITIZE AND NOT MOV_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# mov_unit_test(name SOURCES ... LIBS ...): native GoogleTest executable, one ctest test.
function(mov_unit_test name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  if(WIN32 OR MOV_FUZZ)
    return()
  endif()
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LIBS} GTest::gtest_main GTest::gtest)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS unit
    ENVIRONMENT "MOV_SOURCE_DIR=${PROJECT_SOURCE_DIR};MOV_BINARY_DIR=${PROJECT_BINARY_DIR}")
endfunction()

# Time-outs of the Wine tiers, given where each test is registered: twice the longest green run
# measured on a 2-core machine busy with other work, and at least 40 s, so that a box left
# unanswered is reported by the watch (15 s, tests/tools/unanswered_box.h) before the test is
# killed. A test registered without one gets this:
set(MOV_WINE_TIMEOUT_DEFAULT 60)

# mov_win32_test(name SOURCES ... LIBS ... [TIMEOUT seconds]): cross-built GoogleTest run under
# Wine. One executable per subsystem: each Wine start costs about a second.
function(mov_win32_test name)
  cmake_parse_arguments(A "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT ${MOV_WINE_TIMEOUT_DEFAULT})
  endif()
  if(NOT WIN32 OR NOT MOV_WINE_TESTS)
    return()
  endif()
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LIBS} gtest_main gtest)
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
  set_tests_properties(${name} PROPERTIES LABELS win32 RESOURCE_LOCK wine-desktop TIMEOUT ${A_TIMEOUT}
    ENVIRONMENT "MOV_SOURCE_DIR=${PROJECT_SOURCE_DIR};MOV_BINARY_DIR=${PROJECT_BINARY_DIR}")
endfunction()

# mov_e2e_test(name script [timeout seconds]): a bash script driving the shipped programs in
# the Wine desktop.
function(mov_e2e_test name script)
  if(NOT WIN32 OR NOT MOV_WINE_TESTS)
    return()
  endif()
  set(timeout ${MOV_WINE_TIMEOUT_DEFAULT})
  if(ARGC GREATER 2)
    set(timeout ${ARGV2})
  endif()
  add_test(NAME ${name} COMMAND ${PROJECT_SOURCE_DIR}/scripts/run-detached bash ${script})
  set_tests_properties(${name} PROPERTIES LABELS e2e RESOURCE_LOCK wine-desktop TIMEOUT ${timeout}
    ENVIRONMENT "MOV_SOURCE_DIR=${PROJECT_SOURCE_DIR};MOV_BINARY_DIR=${PROJECT_BINARY_DIR};MOV_BIN=${PROJECT_BINARY_DIR}/bin")
endfunction()

# mov_fuzz_target(name SOURCES ... LIBS ... CORPUS dir): libFuzzer target (clang build only),
# run briefly on its seed corpus as a ctest test.
function(mov_fuzz_target name)
  cmake_parse_arguments(A "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  if(NOT MOV_FUZZ)
    return()
  endif()
  add_executable(${name} ${A_SOURCES})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(${name} PRIVATE ${A_LIBS})
  set(work ${PROJECT_BINARY_DIR}/fuzz-corpus/${name})
  file(MAKE_DIRECTORY ${work})
  add_test(NAME ${name}
    COMMAND ${name} -max_total_time=${MOV_FUZZ_SECONDS} -rss_limit_mb=2048 -timeout=10 ${work} ${A_CORPUS})
  set_tests_properties(${name} PROPERTIES LABELS fuzz)
endfunction()
