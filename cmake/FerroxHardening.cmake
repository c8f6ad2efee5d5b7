# SPDX-FileCopyrightText: 2026 The Ferrox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The distribution's hardening, as dpkg-buildflags gives it to every Debian package: fortified
# functions, the stack protector, format checks, relro and immediate binding. Only the
# hardening is taken: optimisation and debug information follow the build type, and the path
# mapping would tie the compile commands to this checkout (and miss the compiler cache of any
# other). Sanitizer builds go without: the sanitizers replace what fortification checks.
option(FERROX_HARDENING "Build with the distribution's hardening flags (dpkg-buildflags)" ON)

function(ferrox_buildflags variable out)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${FERROX_DPKG_BUILDFLAGS} --get ${variable}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "dpkg-buildflags --get ${variable} failed")
  endif()
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^-(O.*|g.*|ffile-prefix-map=.*|fdebug-prefix-map=.*)$")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

if(FERROX_HARDENING AND NOT (FERROX_SANITIZE OR FERROX_FUZZ OR FERROX_TSAN))
  find_program(FERROX_DPKG_BUILDFLAGS dpkg-buildflags)
  if(FERROX_DPKG_BUILDFLAGS)
    ferrox_buildflags(CPPFLAGS cppflags)
    ferrox_buildflags(CXXFLAGS cxxflags)
    ferrox_buildflags(LDFLAGS ldflags)
    add_compile_options(${cppflags} ${cxxflags})
    add_link_options(${ldflags})
    set(FERROX_HARDENED ON)
    message(STATUS "Hardening: ${cppflags} ${cxxflags} ${ldflags}")
  else()
    message(STATUS "Hardening: no dpkg-buildflags here; the compiler's defaults stand")
  endif()
endif()
