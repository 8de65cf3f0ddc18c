# Compiler warnings as errors, and the sanitizers chosen by HEXCRIBE_SANITIZERS, for every Hexcribe target.
set(HEXCRIBE_SANITIZERS "" CACHE STRING "Sanitizers every Hexcribe target is built with, e.g. address,undefined")

function(hexcribe_set_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /WX)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Werror)
  endif()
  if(HEXCRIBE_SANITIZERS)
    # A sanitized library makes every program that links it link the sanitizer run-time too.
    target_compile_options(${target} PRIVATE -fsanitize=${HEXCRIBE_SANITIZERS} -fno-sanitize-recover=all
                                             -fno-omit-frame-pointer)
    target_link_options(${target} PUBLIC -fsanitize=${HEXCRIBE_SANITIZERS})
  endif()
endfunction()
