# Warnings are errors in our own code; Qt and test frameworks come in as SYSTEM headers.
function(shrink4_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
    -Wnon-virtual-dtor -Woverloaded-virtual -Werror)
endfunction()
