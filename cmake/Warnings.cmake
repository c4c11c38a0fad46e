# Warnings on for our own targets; the tree builds without any.
function(zelk_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow=local -Wno-missing-field-initializers)
endfunction()
