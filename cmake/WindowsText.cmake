# Writes a text file as Windows programs read it: CRLF line endings, which
# Notepad before Windows 10 needs to show lines at all.
#   cmake -DIN=<text> -DOUT=<file> [-DVERSION=<x.y.z>] [-DPATCHES=<patches.txt>] -P WindowsText.cmake
# With VERSION, "<version>" in the text becomes it: the installed notices
# name the very archive that holds their DLLs' sources. With PATCHES, the
# list of Debian patches applied to the Windows libraries
# (packaging/windows/libraries/build-libraries) follows the text.
file(READ "${IN}" text)
if(PATCHES)
  file(READ "${PATCHES}" patches)
  string(APPEND text "

==============================================================================
Patches applied to the Windows libraries
==============================================================================
SDL.dll, libpng16-16.dll and zlib1.dll are built from these Debian source
packages with every patch of their debian/patches/series applied. The patches
are in amber-bell-<version>-windows-sources.tar.xz, handed out with the
installer.

${patches}")
endif()
if(VERSION)
  string(REPLACE "<version>" "${VERSION}" text "${text}")
endif()
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUT}.new" "${text}")
file(RENAME "${OUT}.new" "${OUT}")
