# SPDX-FileCopyrightText: 2026 The Velmara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The protections a program gets from the platform's compiler and linker: Debian's hardening on
# Linux, a stack protector on Windows. They are added to the flags a distribution passes in
# CXXFLAGS, LDFLAGS and CPPFLAGS, which stay on every command line.
include(CheckCXXCompilerFlag)

# CMake takes CXXFLAGS and LDFLAGS from the environment on the first configure, but not CPPFLAGS:
# a distribution's preprocessor flags are kept here, as CMake keeps the other two.
set(VELMARA_CPPFLAGS "$ENV{CPPFLAGS}" CACHE STRING
    "Preprocessor flags (CPPFLAGS at the first configure)")
separate_arguments(velmara_cppflags UNIX_COMMAND "${VELMARA_CPPFLAGS}")
add_compile_options(${velmara_cppflags})

option(VELMARA_HARDENING "Build with the platform's stack, fortify and relocation protections" ON)
if(NOT VELMARA_HARDENING)
  return()
endif()

# The options that a flag of one of the hardening areas turns on, given by dpkg-buildflags as
# what "hardening=+all" adds to "hardening=-all"; Debian's optimisation and debugging flags
# stay the build type's.
function(velmara_dpkg_hardening kind out)
  foreach(setting IN ITEMS +all -all)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env "DEB_BUILD_MAINT_OPTIONS=hardening=${setting}"
              ${VELMARA_DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
      COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags${setting} UNIX_COMMAND "${flags}")
  endforeach()
  list(REMOVE_ITEM flags+all ${flags-all})
  set(${out} ${flags+all} PARENT_SCOPE)
endfunction()

if(WIN32)
  # MinGW-w64's linker marks the program for ASLR (high entropy) and DEP by itself; the stack
  # protector's checks call libssp, linked in with the rest of the run-time. The file header's
  # time stamp would make every build of one commit differ.
  add_compile_options(-fstack-protector-strong)
  add_link_options(-fstack-protector-strong LINKER:--no-insert-timestamp)
  return()
endif()

find_program(VELMARA_DPKG_BUILDFLAGS dpkg-buildflags)
if(VELMARA_DPKG_BUILDFLAGS)
  velmara_dpkg_hardening(CPPFLAGS hardening_cppflags)
  velmara_dpkg_hardening(CXXFLAGS hardening_cxxflags)
  velmara_dpkg_hardening(LDFLAGS hardening_ldflags)
else()
  set(hardening_cppflags -D_FORTIFY_SOURCE=2)
  set(hardening_cxxflags -fstack-protector-strong -Wformat -Werror=format-security)
  set(hardening_ldflags LINKER:-z,relro LINKER:-z,now)
endif()
# Older dpkg-buildflags (Debian 12's) leave out the protections against stack clashes and for
# control flow; they are added where the compiler has them.
foreach(flag IN ITEMS -fstack-clash-protection -fcf-protection)
  string(MAKE_C_IDENTIFIER "VELMARA_HAS${flag}" has_flag)
  check_cxx_compiler_flag(${flag} ${has_flag})
  if(${has_flag} AND NOT flag IN_LIST hardening_cxxflags)
    list(APPEND hardening_cxxflags ${flag})
  endif()
endforeach()

# Fortified functions need the optimiser (GCC warns without it), and a distribution that
# fortifies already chooses the level.
if("${VELMARA_CPPFLAGS} ${CMAKE_CXX_FLAGS}" MATCHES "_FORTIFY_SOURCE")
  set(hardening_cppflags)
endif()
add_compile_options("$<$<NOT:$<CONFIG:Debug>>:${hardening_cppflags}>" ${hardening_cxxflags})
add_link_options(${hardening_ldflags})
