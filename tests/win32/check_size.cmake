# Fails when PROGRAM, as users get it, is larger than MAX_BYTES.
#   cmake -DPROGRAM=stenvik.exe -DMAX_BYTES=204800 -P check_size.cmake
cmake_minimum_required(VERSION 3.25)
file(SIZE ${PROGRAM} bytes)
if(bytes GREATER MAX_BYTES)
  message(FATAL_ERROR "${PROGRAM} is ${bytes} bytes, more than ${MAX_BYTES}")
endif()
message(STATUS "${PROGRAM}: ${bytes} bytes of at most ${MAX_BYTES}")
