# Exploit hardening of every optimised program: a stack protector and checked C library calls on
# both systems; on Linux relocations made read-only and bound at start-up (full RELRO, bind-now),
# on Windows a relocatable 64-bit image base and no-execute data (ASLR, DEP, high-entropy ASLR).
# Sanitizer and fuzz builds keep their own instrumentation instead: the checked calls would report
# an overflow themselves before AddressSanitizer could show where it came from.
option(HEXCRIBE_HARDENING "Build optimised programs with stack protector, checked calls and hardened linking" ON)
set(HEXCRIBE_HARDENED OFF)  # whether this build applies it (tests/hardening checks the programs then)

if(NOT HEXCRIBE_HARDENING OR HEXCRIBE_SANITIZERS OR HEXCRIBE_BUILD_FUZZ OR MSVC)
  return()
endif()

# The checked calls need the optimiser (glibc warns, and so fails the build, without it).
set(_hexcribe_optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
add_compile_options(-fstack-protector-strong
  "$<${_hexcribe_optimised}:-U_FORTIFY_SOURCE>" "$<${_hexcribe_optimised}:-D_FORTIFY_SOURCE=2>")
if(WIN32)
  # The flag on the link line makes the driver link the protector's and the checked calls'
  # run-time (libssp), statically like the rest.
  add_link_options(-fstack-protector-strong -Wl,--dynamicbase -Wl,--nxcompat -Wl,--high-entropy-va)
else()
  add_compile_options(-fstack-clash-protection)
  # Control-flow protection is each processor's own: Intel's CET on x86, pointer authentication
  # and branch targets on 64-bit ARM.
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|i[3-6]86)$")
    add_compile_options(-fcf-protection)
  elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^(aarch64|arm64)$")
    add_compile_options(-mbranch-protection=standard)
  endif()
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
set(HEXCRIBE_HARDENED ON)
