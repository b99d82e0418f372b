# Cross-compiling for 64-bit Windows with MinGW-w64 (posix threads); programs run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QCTL_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${QCTL_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QCTL_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${QCTL_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QCTL_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
# Every test and program runs through Wine, with a private prefix and a timeout.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run)
