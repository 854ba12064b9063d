# Strict warnings for Stenvik's own targets only, so that a newer compiler
# never breaks the build of someone who just wants the program.
function(stenvik_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wconversion -Wshadow)
  if(STENVIK_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
