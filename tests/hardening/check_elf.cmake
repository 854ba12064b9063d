# Fails unless each of PROGRAMS shows the hardening it was built with: a
# position-independent executable (PIE), bound at start with a read-only
# relocation table (full RELRO), a stack that cannot run code, a stack
# protector, and glibc's checked (_chk) forms of the calls it fortifies.
#   cmake -DREADELF=readelf "-DPROGRAMS=a;b" -P check_elf.cmake
cmake_minimum_required(VERSION 3.25)

function(read_elf program option out)
  execute_process(COMMAND ${READELF} -W ${option} ${program} OUTPUT_VARIABLE text RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "cannot read ${program}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

foreach(program IN LISTS PROGRAMS)
  read_elf(${program} --file-header header)
  read_elf(${program} --dynamic dynamic)
  read_elf(${program} --program-headers segments)
  read_elf(${program} --dyn-syms symbols)
  if(NOT dynamic MATCHES "\\(FLAGS\\)[^\n]*BIND_NOW" OR NOT dynamic MATCHES "\\(FLAGS_1\\)[^\n]*NOW")
    message(FATAL_ERROR "${program} is not bound at start (no BIND_NOW)")
  endif()
  # A shared library is of the same type; a program also asks for a loader,
  # and a recent linker marks it PIE.
  if(NOT header MATCHES "Type: +DYN" OR NOT (dynamic MATCHES "\\(FLAGS_1\\)[^\n]*PIE" OR segments MATCHES "INTERP"))
    message(FATAL_ERROR "${program} is not position-independent (no PIE)")
  endif()
  # The flags stand between the segment's sizes and its alignment.
  string(REGEX MATCH "GNU_STACK +(0x[0-9a-f]+ +)+([RWE ]+) +0x" stack "${segments}")
  string(STRIP "${CMAKE_MATCH_2}" stack_flags)
  if(NOT stack OR stack_flags MATCHES "E")
    message(FATAL_ERROR "${program} may run code on its stack (no GNU_STACK without E)")
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
  if(NOT checked)
    message(FATAL_ERROR "${program} calls no fortified function (_FORTIFY_SOURCE)")
  endif()
  get_filename_component(name ${program} NAME)
  message(STATUS "${name}: PIE, BIND_NOW, GNU_RELRO, GNU_STACK ${stack_flags}, __stack_chk_fail ${checked}")
endforeach()
