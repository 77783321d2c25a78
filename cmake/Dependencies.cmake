# Third-party libraries, all from Debian packages (scripts/install-deps).
find_package(PkgConfig REQUIRED)
pkg_check_modules(SDL REQUIRED IMPORTED_TARGET sdl)            # libsdl1.2-dev: video, events, timer
pkg_check_modules(SDL_IMAGE REQUIRED IMPORTED_TARGET SDL_image) # libsdl-image1.2-dev: image entries
pkg_check_modules(GLU REQUIRED IMPORTED_TARGET glu)            # gluPerspective, gluUnProject
# The screensaver's on-screen GL (GLX), and offscreen GL for the tests and
# tools (EGL's surfaceless platform, libOpenGL: no X server, no OSMesa).
find_package(OpenGL REQUIRED COMPONENTS OpenGL GLX EGL)
find_package(X11 REQUIRED)                                     # preview and host windows
find_package(PNG REQUIRED)                                     # libpng-dev: PNG without SDL_image

# What the layers (src/CMakeLists.txt) and the on-screen programs link, by role.
set(AMBER_PLATFORM posix)
set(AMBER_IMAGE_DECODER sdl_image)
set(AMBER_OS_LIBS X11::X11 ${CMAKE_DL_LIBS})               # platform
set(AMBER_SDL_LIBS PkgConfig::SDL)                         # video, package, app
set(AMBER_GLU_LIBS PkgConfig::GLU)                         # video
set(AMBER_IMAGE_LIBS PkgConfig::SDL_IMAGE PNG::PNG)        # package
set(AMBER_SCREEN_GL_LIBS OpenGL::GL)
