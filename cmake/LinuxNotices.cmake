# cmake -DIN=THIRD-PARTY-NOTICES.txt -DOUT=FILE -P LinuxNotices.cmake
# The notices of the Linux programs: what is compiled into them or rendered
# into their artwork, taken section by section from the notices of every
# build (IN), which also cover the Windows libraries, runtime and installer.
string(REPEAT "=" 78 rule)
set(sections
    "CLI11"
    "Wayland protocol descriptions (amber-bell-idle)"
    "DejaVu fonts (rendered into the artwork's digits and letters)"
    "GNU Lesser General Public License, version 2.1 (SDL 1.2, KWin's dpms)")
file(READ "${IN}" text)
set(out [[Amber Bell: third-party notices (Linux programs)

Amber Bell itself is under the MIT licence (LICENSE; in the Debian packages,
the copyright file beside this one). Its Linux programs link at run time to
the system's own libraries (SDL 1.2, SDL_image, libpng, zlib, GLU, Xlib,
OpenGL and EGL, GTK 3, libXss, GLib, the Wayland client library, the Open
Asset Import Library), each with its notices in the system's own package.
What the build puts into them itself:

  compiled in: CLI11 (amber-bell-config, amber-bell-idle, amber-bell-pak,
    amber-bell-snapshot); the client code wayland-scanner generates from
    the Wayland protocol descriptions below (amber-bell-idle)
  rendered in: the build renders the artwork's digits and letters from the
    DejaVu Sans fonts into pictures; no font data is shipped

The notices and licence texts follow; the LGPL's is there for KWin's dpms
description.
]])
foreach(title IN LISTS sections)
  set(head "${rule}\n${title}\n${rule}\n")
  string(FIND "${text}" "${head}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${IN} has no section \"${title}\"")
  endif()
  string(LENGTH "${head}" head_length)
  math(EXPR at "${at} + ${head_length}")
  string(SUBSTRING "${text}" ${at} -1 body)
  string(FIND "${body}" "\n${rule}\n" next)
  if(NOT next EQUAL -1)
    string(SUBSTRING "${body}" 0 ${next} body)
  endif()
  string(STRIP "${body}" body)
  string(APPEND out "\n\n${head}${body}\n")
endforeach()
file(WRITE "${OUT}" "${out}")
