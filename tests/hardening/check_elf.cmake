# Fails unless each of PROGRAMS shows the hardening it was built with:
# bound at start with a read-only relocation table (full RELRO), a stack
# protector, and, where the program makes a call glibc can check, that call's
# fortified form.
#   cmake -DREADELF=readelf "-DPROGRAMS=a;b" "-DFORTIFIED=b" -P check_elf.cmake
cmake_minimum_required(VERSION 3.25)

function(read_elf program option out)
  execute_process(COMMAND ${READELF} -W ${option} ${program} OUTPUT_VARIABLE text RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "cannot read ${program}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

foreach(program IN LISTS PROGRAMS)
  read_elf(${program} --dynamic dynamic)
  read_elf(${program} --program-headers segments)
  read_elf(${program} --dyn-syms symbols)
  if(NOT dynamic MATCHES "\\(FLAGS\\)[^\n]*BIND_NOW" OR NOT dynamic MATCHES "\\(FLAGS_1\\)[^\n]*NOW")
    message(FATAL_ERROR "${program} is not bound at start (no BIND_NOW)")
  endif()
  if(NOT segments MATCHES "GNU_RELRO")
    message(FATAL_ERROR "${program} has no read-only relocation segment (GNU_RELRO)")
  endif()
  if(NOT symbols MATCHES "__stack_chk_fail")
    message(FATAL_ERROR "${program} has no stack protector (__stack_chk_fail)")
  endif()
  string(REGEX MATCHALL "__[a-z0-9_]+_chk" checked "${symbols}")
  list(REMOVE_ITEM checked __stack_chk)
  list(REMOVE_DUPLICATES checked)
  get_filename_component(name ${program} NAME)
  if(name IN_LIST FORTIFIED AND NOT checked)
    message(FATAL_ERROR "${program} calls no fortified function (_FORTIFY_SOURCE)")
  endif()
  message(STATUS "${name}: BIND_NOW, GNU_RELRO, __stack_chk_fail ${checked}")
endforeach()
