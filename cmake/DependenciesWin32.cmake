# The 32-bit Windows build (scripts/build-windows): SDL 1.2, libpng and zlib
# are DLLs built from Debian's sources into AMBER_WIN32_DEPS; GL and GLU come
# from Windows itself. The C and C++ runtimes are linked statically, so the
# programs need only Windows' own DLLs and those three beside them.
set(AMBER_WIN32_DEPS "" CACHE PATH "Prefix of the cross-built SDL 1.2, libpng, zlib and GoogleTest")
set(AMBER_WIN32_SOURCES "" CACHE FILEPATH "The archive of the sources the DLLs are built from")
if(NOT EXISTS "${AMBER_WIN32_DEPS}/lib/libSDL.delay.a")
  message(FATAL_ERROR "AMBER_WIN32_DEPS has no libSDL.delay.a: build with scripts/build-windows")
endif()

# Every program loads the DLLs on its first call into them (delay-load import
# libraries): the screensaver in the system folder first loads them from the
# install folder by their full paths (src/platform/win32/program_libraries_win32.cpp).
foreach(pair "SDL:SDL" "png16:libpng16-16")
  string(REPLACE ":" ";" pair "${pair}")
  list(GET pair 0 lib)
  list(GET pair 1 dll)
  add_library(amber_win32_${lib} SHARED IMPORTED)
  set_target_properties(amber_win32_${lib} PROPERTIES
    IMPORTED_LOCATION "${AMBER_WIN32_DEPS}/bin/${dll}.dll"
    IMPORTED_IMPLIB "${AMBER_WIN32_DEPS}/lib/lib${dll}.delay.a"
    INTERFACE_INCLUDE_DIRECTORIES "${AMBER_WIN32_DEPS}/include")
endforeach()
# What goes beside the programs: the two above and zlib, which libpng loads,
# each after the ones it imports (the order the programs load them in). The
# one list of them: the programs (program_dlls.h), the installer
# (cmake/InstallerWin32.cmake) and the tests (program-dlls.txt) take it from here.
set(AMBER_WIN32_DLLS zlib1.dll libpng16-16.dll SDL.dll)
list(TRANSFORM AMBER_WIN32_DLLS PREPEND "${AMBER_WIN32_DEPS}/bin/" OUTPUT_VARIABLE AMBER_WIN32_DLL_FILES)
set(AMBER_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
list(JOIN AMBER_WIN32_DLLS "\", \"" dll_names)
file(CONFIGURE OUTPUT ${AMBER_GENERATED_DIR}/program_dlls.h CONTENT
     "// Made by cmake/DependenciesWin32.cmake from AMBER_WIN32_DLLS.\n#define AMBER_PROGRAM_DLLS \"${dll_names}\"\n")
# Every function the two delay-loaded DLLs export as built (gendef's lists):
# the programs look each up right after loading them, so a wrong DLL is named
# before any window opens. Each DLL's name, its functions, then a null.
set(function_lines "")
foreach(dll SDL libpng16-16)
  file(STRINGS "${AMBER_WIN32_DEPS}/lib/${dll}.def" def_lines)
  string(APPEND function_lines "    \"${dll}.dll\",")
  set(exports FALSE)
  foreach(line ${def_lines})
    if(line MATCHES "^EXPORTS")
      set(exports TRUE)
    elseif(exports AND line MATCHES "^([A-Za-z_][A-Za-z0-9_]*)")
      string(APPEND function_lines " \"${CMAKE_MATCH_1}\",")
    endif()
  endforeach()
  string(APPEND function_lines " nullptr,\n")
endforeach()
file(CONFIGURE OUTPUT ${AMBER_GENERATED_DIR}/program_dll_functions.h CONTENT
     "// Made by cmake/DependenciesWin32.cmake from the DLLs' export lists.\nstatic const char* const programDllFunctions[] = {\n${function_lines}    nullptr};\n")
list(JOIN AMBER_WIN32_DLLS "\n" dll_lines)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/program-dlls.txt CONTENT "${dll_lines}\n")

# amber_copy_dlls(TARGET FOLDER): TARGET copies the DLLs into FOLDER, where
# programs built into it find them.
function(amber_copy_dlls target folder)
  set(copies)
  foreach(dll ${AMBER_WIN32_DLLS})
    add_custom_command(OUTPUT ${folder}/${dll}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${AMBER_WIN32_DEPS}/bin/${dll} ${folder}/${dll}
      DEPENDS ${AMBER_WIN32_DEPS}/bin/${dll})
    list(APPEND copies ${folder}/${dll})
  endforeach()
  add_custom_target(${target} ALL DEPENDS ${copies})
endfunction()

set(AMBER_PLATFORM win32)
set(AMBER_IMAGE_DECODER builtin)
# What the layers (src/CMakeLists.txt) link, by role.
# The platform layer asks the GL what draws (a context on a hidden window).
set(AMBER_OS_LIBS shell32 advapi32 gdi32 user32 opengl32)  # platform
set(AMBER_SDL_LIBS amber_win32_SDL)                        # video, package, app
set(AMBER_GLU_LIBS glu32 opengl32)                         # video
set(AMBER_IMAGE_LIBS amber_win32_png16)                    # package
set(AMBER_SCREEN_GL_LIBS opengl32)
add_link_options(-static -static-libgcc -static-libstdc++ $<$<CONFIG:Release>:-s>)
# Hardening as on Linux: stack canaries and checked string and memory calls.
# mingw-w64's runtime has neither itself; GCC's libssp, linked statically
# (-static above), provides both.
add_compile_options(-fstack-protector-strong)
add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
add_link_options(-fstack-protector-strong)
