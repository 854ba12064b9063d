# Cross-compiles the Windows program with MinGW-w64 on Linux. The -posix
# variant brings std::thread and friends, which GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Statically linked, so that every program needs only the DLLs Windows itself has.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Texts reach the Windows "A" functions as Windows-1252 bytes. C++ only: the
# resource compiler reads its UTF-8 script by its own pragma.
set(CMAKE_CXX_FLAGS_INIT "-fexec-charset=CP1252")
