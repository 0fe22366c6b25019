# What lets the shipped i686 files start on Windows 95, 98, Me and NT 4.0 as well as on the
# newer systems. tests/release/check_release.sh holds each shipped file to the functions its
# oldest system has (tests/release/imports.txt).
#
# mov_for_old_windows(target), for every shipped file (cmake/MovDist.cmake applies it): the
# image header asks for system version 4.0 (Windows 95 and NT 4.0 refuse to start a file that
# asks for more), and the few wide-character functions the runtime libraries call go to ANSI
# stand-ins (components/win9x/ansi_imports.cpp), as Windows 9x has them only as failing stubs.
#
# mov_for_win9x(target), also for each library that Windows 9x loads with LoadLibrary: our own
# entry point (components/win9x/dll_entry.cpp) instead of the MinGW start-up code, whose
# thread-local-storage directory makes the Windows 95 and 98 loader refuse the library.
if(WIN32 AND MOV_MINGW_ARCH STREQUAL "i686")
  function(mov_for_old_windows target)
    target_link_libraries(${target} PRIVATE win9x_imports)  # objects, so they win over the import libraries
    target_link_options(${target} PRIVATE
      -Wl,--major-subsystem-version,4,--minor-subsystem-version,0
      -Wl,--major-os-version,4,--minor-os-version,0)
  endfunction()

  function(mov_for_win9x target)
    target_link_libraries(${target} PRIVATE win9x_entry)
    target_link_options(${target} PRIVATE
      -specs=${PROJECT_SOURCE_DIR}/components/win9x/no-startup-code.gcc
      -Wl,--entry=_DllEntry9x@12)
  endfunction()
else()
  # The x86_64 test build runs under wine64 only: nothing to change there.
  function(mov_for_old_windows target)
  endfunction()
  function(mov_for_win9x target)
  endfunction()
endif()
