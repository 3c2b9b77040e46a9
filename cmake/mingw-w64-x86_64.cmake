# Cross build of regforge.exe for 64-bit Windows with Debian's mingw-w64 compilers.
# The posix thread model gives the full C++ library; -static (set for every program below)
# folds it and the C runtime into the .exe, so nothing beside it is needed.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Programs built here run under Wine on Linux: the tests, and test discovery.
# Wine may come after the build is configured (make test-windows installs it): then the path
# Debian installs it under is used.
find_program(REGFORGE_WINE NAMES wine wine64 wine-stable)
if(REGFORGE_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${REGFORGE_WINE})
else()
  set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/wine)
endif()
