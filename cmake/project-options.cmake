# Warning flags for the project's own targets (not for GoogleTest's).
function(brisk_strict target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
