# Reads back from the built PROGRAM what makes it safe to run from any
# folder, and fails on the first thing missing:
# - it imports only DLLs that every Windows has, so that the one file runs
#   without a MinGW runtime beside it;
# - it imports SetDefaultDllDirectories, which it calls first so that no DLL
#   it loads later comes from its own folder;
# - its DllCharacteristics ask for address space randomisation with 64-bit
#   entropy and for no code run from data (DYNAMIC_BASE, HIGH_ENTROPY_VA,
#   NX_COMPAT);
# - with STACK_PROTECTOR, it carries the stack protector linked in: MAP, the
#   link map, shows libssp's check pulled in by the program's own code, and
#   the file imports the ADVAPI32 functions that seed the protector's guard.
#   cmake -DOBJDUMP=... -DPROGRAM=stenvik.exe -DMAP=stenvik.map -DSTACK_PROTECTOR=ON -P check_imports.cmake
cmake_minimum_required(VERSION 3.25)
set(system_dlls advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll shell32.dll user32.dll)
set(required_imports kernel32.dll:SetDefaultDllDirectories)
set(required_characteristics DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT)
if(STACK_PROTECTOR)
  list(APPEND required_imports advapi32.dll:CryptAcquireContextA advapi32.dll:CryptGenRandom
       advapi32.dll:CryptReleaseContext)
endif()

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE headers RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot read ${PROGRAM}")
endif()

# Each imported DLL: its name, a heading, then one line per function.
string(REGEX MATCHALL "DLL Name: [^\n]+\n[^\n]*\n(\t[^\n]+\n)*" tables "${headers}")
if(NOT tables)
  message(FATAL_ERROR "no imports found in ${PROGRAM}")
endif()
set(imports "")
foreach(table IN LISTS tables)
  string(REGEX MATCH "DLL Name: ([^\r\n]+)" _ "${table}")
  string(TOLOWER "${CMAKE_MATCH_1}" dll)
  if(NOT dll IN_LIST system_dlls)
    message(FATAL_ERROR "${PROGRAM} needs ${dll}, which Windows does not have")
  endif()
  message(STATUS "imports ${dll}")
  string(REGEX MATCHALL "[ \t][A-Za-z_][A-Za-z0-9_]*\r?\n" functions "${table}")
  foreach(function IN LISTS functions)
    string(STRIP "${function}" function)
    list(APPEND imports "${dll}:${function}")
  endforeach()
endforeach()
foreach(import IN LISTS required_imports)
  if(NOT import IN_LIST imports)
    message(FATAL_ERROR "${PROGRAM} does not import ${import}")
  endif()
  message(STATUS "imports ${import}")
endforeach()

string(REGEX MATCH "DllCharacteristics[^\n]*\n(\t\t[^\n]+\n)*" characteristics "${headers}")
foreach(flag IN LISTS required_characteristics)
  if(NOT characteristics MATCHES "\t${flag}\r?\n")
    message(FATAL_ERROR "${PROGRAM} is not marked ${flag}")
  endif()
  message(STATUS "marked ${flag}")
endforeach()

if(STACK_PROTECTOR)
  file(READ ${MAP} map)
  # The archive members the linker took, each with the file and symbol that
  # needed it: libssp's, for a check in one of the program's own objects.
  if(NOT map MATCHES "libssp\\.a\\(ssp\\.o\\)\r?\n[ \t]+[^\n]*\\.obj \\(__stack_chk_fail\\)")
    message(FATAL_ERROR "${MAP}: no stack protector checks linked into ${PROGRAM}")
  endif()
  message(STATUS "stack protector linked in: libssp.a(ssp.o) for __stack_chk_fail")
endif()
