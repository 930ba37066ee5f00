# Strict warnings for every target of the project.
function(triangle_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wno-sign-conversion)
  if(TRIANGLE_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
