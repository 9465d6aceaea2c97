# SPDX-FileCopyrightText: 2026 Zarvelon developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What every target of the build needs before it is created: the hardening
# flags Debian builds its own packages with, and the icons drawn from the SVG
# pictures. Included from the top-level CMakeLists.txt before any target.

include(CheckCXXCompilerFlag)

# --- Hardening -----------------------------------------------------------------
if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  # Position-independent executables, so that the program loads at a random
  # address; CMake passes -pie to the linker only once the check has passed.
  include(CheckPIESupported)
  check_pie_supported()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)

  add_compile_options(-Wformat -Werror=format-security -fstack-protector-strong)
  # Not every compiler or processor has these two.
  foreach(flag -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "ZARVELON_HAS${flag}" variable)
    check_cxx_compiler_flag(${flag} ${variable})
    if(${variable})
      add_compile_options(${flag})
    endif()
  endforeach()
  # Fortified string and memory functions need the optimizer, and under the
  # sanitizers they would take over checks that AddressSanitizer does better.
  if(NOT ZARVELON_SANITIZE)
    add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
  endif()
  add_link_options(-Wl,-z,relro -Wl,-z,now)
elseif(MINGW)
  # The same protections for the Windows program: the stack protector and
  # fortified functions (from GCC's libssp, linked in), and a program file
  # that Windows loads at a random address, with 64-bit entropy, and whose
  # data it never runs as code.
  add_compile_options(-Wformat -Werror=format-security -fstack-protector-strong)
  add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
  add_link_options(-fstack-protector-strong -Wl,--dynamicbase -Wl,--nxcompat -Wl,--high-entropy-va)
  # One program file that needs no DLL beside it: the C++, C and thread
  # runtimes linked in as Qt is; unused functions and data, and the symbols,
  # left out.
  add_compile_options(-ffunction-sections -fdata-sections)
  add_link_options(-static -Wl,--gc-sections $<$<NOT:$<CONFIG:Debug>>:-s>)
endif()

# --- Icons -------------------------------------------------------------------
# packaging/zarvelon.svg is the picture of the icon, and every PNG of 32
# pixels and more is drawn from it at build time. The Windows icon,
# src/ui/resources/zarvelon.ico, is made from it too, by
# packaging/make-windows-icon.sh. Below 32 pixels its outline and dashed
# diagonals would blur into grey, so the small sizes are drawn from
# packaging/zarvelon-small.svg, the same figure laid out on whole pixels.
set(ZARVELON_ICON_SVG ${CMAKE_CURRENT_LIST_DIR}/zarvelon.svg)
set(ZARVELON_SMALL_ICON_SVG ${CMAKE_CURRENT_LIST_DIR}/zarvelon-small.svg)
# The sizes of the desktop's icon theme (hicolor).
set(ZARVELON_ICON_SIZES 16 22 24 32 48 64 128 256)

find_program(ZARVELON_RSVG_CONVERT rsvg-convert)
if(NOT ZARVELON_RSVG_CONVERT)
  message(FATAL_ERROR "rsvg-convert draws the program's icons from ${ZARVELON_ICON_SVG}: "
                      "install it (Debian package librsvg2-bin) or run scripts/setup.sh")
endif()

# Sets `variable` to the SVG that the icon of `size` pixels is drawn from.
function(zarvelon_icon_source size variable)
  if(size LESS 32)
    set(${variable} ${ZARVELON_SMALL_ICON_SVG} PARENT_SCOPE)
  else()
    set(${variable} ${ZARVELON_ICON_SVG} PARENT_SCOPE)
  endif()
endfunction()

# Adds the build rule that draws the icon at `size` pixels into `png`. Each
# directory draws its own copies, so that every rule that needs one has the
# rule that makes it beside it.
function(zarvelon_draw_icon size png)
  zarvelon_icon_source(${size} svg)
  get_filename_component(dir ${png} DIRECTORY)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${ZARVELON_RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${svg}
    DEPENDS ${svg}
    COMMENT "Drawing the ${size} x ${size} icon"
    VERBATIM)
endfunction()

# Compiles the window's icon into `target`: the PNGs of 16 to 256 pixels as
# the resources :/icons/zarvelon-<size>.png. On a static library the resource
# object travels with it into every program that links it.
function(zarvelon_add_window_icon target)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_window_icon)
  set(files)
  foreach(size 16 32 48 64 128 256)
    zarvelon_draw_icon(${size} ${dir}/zarvelon-${size}.png)
    list(APPEND files ${dir}/zarvelon-${size}.png)
  endforeach()
  qt_add_resources(${target} "window_icon" PREFIX "/icons" BASE ${dir} FILES ${files})
endfunction()
