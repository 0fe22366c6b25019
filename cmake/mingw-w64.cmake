# Cross toolchain: Windows programs from Linux with MinGW-w64.
# MOV_MINGW_ARCH is i686 (the shipped 32-bit files) or x86_64 (a test build of the same
# sources, for Wine on machines that cannot run 32-bit code).
# The win32 threads model: the posix one links a thread library that needs Windows Vista
# (GetTickCount64) and XP (vectored exception handlers), so nothing it builds starts on the
# older systems we ship for. Our programs start no threads; the C++ thread classes are
# simply absent in this model.
if(NOT MOV_MINGW_ARCH)
  set(MOV_MINGW_ARCH i686)
endif()
set(MOV_MINGW_ARCH ${MOV_MINGW_ARCH} CACHE STRING "i686 or x86_64")
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${MOV_MINGW_ARCH})
set(MINGW_TRIPLE ${MOV_MINGW_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER   ${MINGW_TRIPLE}-gcc-win32)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-win32)
set(CMAKE_RC_COMPILER  ${MINGW_TRIPLE}-windres)
# MOV_WIN_PREFIX: our cross-built outside libraries (scripts/deps), searched like a sysroot.
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE} ${MOV_WIN_PREFIX})
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES MOV_MINGW_ARCH MOV_WIN_PREFIX)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Tests run under Wine through our wrapper, which supplies the prefix and display.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/winerun)
