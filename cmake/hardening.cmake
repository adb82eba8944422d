# The hardening every program of ours gets, whoever builds it: the strong
# stack protector, stack-clash and control-flow protection (where the target
# has them), fortified libc calls in optimised builds, position-independent
# executables, and read-only relocations bound at start. That is more than
# Debian 12's dpkg-buildflags gives even with hardening=+all (no stack-clash
# or control-flow protection there; Debian 13 adds both), and more than its
# defaults (no -z now). debian/rules asks dpkg-buildflags for all it has on top.
# Linked into scarabine_warnings, so every target of ours gets it.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)

add_library(scarabine_hardening INTERFACE)

# -fPIE for the objects, -pie for the executables.
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

if(NOT MSVC)
  target_compile_options(scarabine_hardening INTERFACE -fstack-protector-strong -Wformat -Werror=format-security)
  # Each exists only on some targets (-fcf-protection on x86 only).
  foreach(flag IN ITEMS -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "SCARABINE_HAS${flag}" supported)
    check_cxx_compiler_flag(${flag} ${supported})
    if(${supported})
      target_compile_options(scarabine_hardening INTERFACE ${flag})
    endif()
  endforeach()
endif()

# Fortified calls need optimisation, and they hide faults from the
# sanitizers, which check the same calls themselves: none in those builds.
# SCARABINE_FORTIFIED (a generator expression) is 1 in the builds fit to ship.
if(MSVC OR SCARABINE_SANITIZE OR CMAKE_CXX_FLAGS MATCHES "-fsanitize")
  set(SCARABINE_FORTIFIED 0)
else()
  set(SCARABINE_FORTIFIED "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
  target_compile_options(scarabine_hardening INTERFACE
    "$<${SCARABINE_FORTIFIED}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
endif()

if(UNIX AND NOT APPLE)
  target_link_options(scarabine_hardening INTERFACE LINKER:-z,relro LINKER:-z,now)
endif()
