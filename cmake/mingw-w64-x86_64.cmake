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

# The C++ runtime of the -win32 thread model, for a program with one thread:
# the -posix one locks through winpthread, some 20 KB in every static exe.
# Empty when that variant is not installed.
execute_process(COMMAND ${triple}-gcc-win32 -print-libgcc-file-name OUTPUT_VARIABLE single_thread_libgcc
                OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
set(STENVIK_SINGLE_THREAD_RUNTIME "")
if(single_thread_libgcc)
  get_filename_component(STENVIK_SINGLE_THREAD_RUNTIME "${single_thread_libgcc}" DIRECTORY)
endif()
