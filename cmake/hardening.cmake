# The protections a distribution expects of the programs users run: a
# stack protector everywhere, and on Linux fortified libc calls, a read-only
# relocation table bound at start and control-flow protection. Sanitizer
# builds turn it off: they bring checks of their own, and the fortified calls
# would hide the faults they look for.
option(STENVIK_HARDENING "Build with stack protector, fortified libc calls and full RELRO" ON)
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
  add_link_options(LINKER:-z,relro,-z,now)
  check_cxx_compiler_flag(-fcf-protection STENVIK_HAS_CF_PROTECTION)
  if(STENVIK_HAS_CF_PROTECTION)
    add_compile_options(-fcf-protection)
  endif()
endif()
