# The 32-bit Windows build (scripts/build-windows): zlib, libpng and SDL 1.2
# built from Debian's sources into AMBER_WIN32_DEPS, GL and GLU from Windows
# itself. Everything else is linked statically, so the programs need only
# Windows' own DLLs.
set(AMBER_WIN32_DEPS "" CACHE PATH "Prefix of the cross-built zlib, libpng, SDL 1.2 and GoogleTest")
if(NOT EXISTS "${AMBER_WIN32_DEPS}/lib/libSDL.a")
  message(FATAL_ERROR "AMBER_WIN32_DEPS has no libSDL.a: build with scripts/build-windows")
endif()

foreach(lib SDL png16 z)
  add_library(amber_win32_${lib} STATIC IMPORTED)
  set_target_properties(amber_win32_${lib} PROPERTIES
    IMPORTED_LOCATION "${AMBER_WIN32_DEPS}/lib/lib${lib}.a"
    INTERFACE_INCLUDE_DIRECTORIES "${AMBER_WIN32_DEPS}/include")
endforeach()

set(AMBER_PLATFORM win32)
set(AMBER_IMAGE_DECODER builtin)
# What the layers (src/CMakeLists.txt) link, by role; each static library is
# followed by what it needs.
set(AMBER_OS_LIBS shell32 advapi32 gdi32 user32)           # platform
set(AMBER_SDL_LIBS amber_win32_SDL winmm gdi32 user32)     # video, package, app
set(AMBER_GLU_LIBS glu32 opengl32)                         # video
set(AMBER_IMAGE_LIBS amber_win32_png16 amber_win32_z)      # package
set(AMBER_SCREEN_GL_LIBS opengl32)
add_link_options(-static -static-libgcc -static-libstdc++ $<$<CONFIG:Release>:-s>)
