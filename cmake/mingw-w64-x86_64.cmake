# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (POSIX threads flavour,
# which std::thread and Qt need). Used to build Qt itself and, chained in by Qt's
# qt-cmake, Quorvel.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUORVEL_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUORVEL_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUORVEL_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${QUORVEL_MINGW}-windres)

# Headers and libraries come from the MinGW sysroot only; programs run on the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${QUORVEL_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
