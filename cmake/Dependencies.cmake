# Third-party libraries, all from Debian packages (scripts/install-deps).
find_package(PkgConfig REQUIRED)
pkg_check_modules(SDL REQUIRED IMPORTED_TARGET sdl)            # libsdl1.2-dev: video, events, timer
pkg_check_modules(SDL_IMAGE REQUIRED IMPORTED_TARGET SDL_image) # libsdl-image1.2-dev: image entries
pkg_check_modules(GLU REQUIRED IMPORTED_TARGET glu)            # gluPerspective, gluUnProject
pkg_check_modules(OSMESA REQUIRED IMPORTED_TARGET osmesa)      # offscreen GL for tests and tools
find_package(OpenGL REQUIRED COMPONENTS OpenGL GLX)            # the screensaver's on-screen GL
find_package(X11 REQUIRED)                                     # preview and host windows
