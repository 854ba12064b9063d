# The protections a distribution expects of the programs users run: a
# stack protector everywhere, and on Linux position-independent programs,
# fortified libc calls, a read-only relocation table bound at start, a stack
# that cannot run code and control-flow protection. Sanitizer builds turn it
# off: they bring checks of their own, and the fortified calls would hide the
# faults they look for.
option(STENVIK_HARDENING "Build with stack protector, fortified libc calls, full RELRO and PIE" ON)
if(NOT STENVIK_HARDENING)
  return()
endif()

add_compile_options(-fstack-protector-strong)
if(WIN32)
  # MinGW's stack protector lives in libssp, which the driver links (here
  # statically) when the flag is given at link time too.
  add_link_options(-fstack-protector-strong)
else()
  include(CheckCXXCompilerFlag)
  # Fortification needs the optimiser, so it is off in an unoptimised build.
  add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
  add_link_options(LINKER:-z,relro,-z,now,-z,noexecstack)
  # Position-independent programs, so the loader can place them anywhere,
  # asked for here rather than left to the compiler's default. The check
  # refuses to run unless policy CMP0083 is NEW (the minimum version makes it
  # so), under which CMake links such programs with -pie.
  include(CheckPIESupported)
  check_pie_supported(LANGUAGES CXX)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  # Libraries then build with -fPIC, which would keep calls within a file from
  # being inlined in case another library replaces the callee; these are
  # linked into the programs and nothing replaces them.
  check_cxx_compiler_flag(-fno-semantic-interposition STENVIK_HAS_NO_INTERPOSITION)
  if(STENVIK_HAS_NO_INTERPOSITION)
    add_compile_options(-fno-semantic-interposition)
  endif()
  check_cxx_compiler_flag(-fcf-protection STENVIK_HAS_CF_PROTECTION)
  if(STENVIK_HAS_CF_PROTECTION)
    add_compile_options(-fcf-protection)
  endif()
endif()
