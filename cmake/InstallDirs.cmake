# The install's folders, each a cache variable, relative to the prefix or
# absolute, beside GNUInstallDirs' own (CMAKE_INSTALL_DATADIR for what
# desktops read, CMAKE_INSTALL_MANDIR, CMAKE_INSTALL_BINDIR). Set before the
# sources, which learn the way from the programs' folder to the data's.
# A program's private folder: lib/<name>, without a multiarch part.
set(AMBER_INSTALL_LIBDIR lib/amber-bell CACHE PATH "Install directory of the screensaver's programs")
# Its data, the same on every architecture: the packages and the preview.
set(AMBER_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/amber-bell CACHE PATH
    "Install directory of the screensaver's packages and preview picture")
# Where XScreenSaver looks for hacks and for their descriptions: Debian and
# Fedora have libexec/xscreensaver, Arch lib/xscreensaver.
set(AMBER_XSCREENSAVER_HACKDIR ${CMAKE_INSTALL_LIBEXECDIR}/xscreensaver CACHE PATH
    "Folder of XScreenSaver's hacks")
set(AMBER_XSCREENSAVER_CONFIGDIR ${CMAKE_INSTALL_DATADIR}/xscreensaver/config CACHE PATH
    "Folder of XScreenSaver's hack descriptions")
# Where systemd looks for user units: lib/systemd/user under /usr and
# /usr/local alike.
set(AMBER_SYSTEMD_USER_UNITDIR lib/systemd/user CACHE PATH "Folder of systemd's user units")

# The data folder as seen from the programs' (../../share/amber-bell/ by
# default): the show finds its data from its own path, under any prefix.
cmake_path(ABSOLUTE_PATH AMBER_INSTALL_LIBDIR BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX} NORMALIZE
           OUTPUT_VARIABLE amber_programs_folder)
cmake_path(ABSOLUTE_PATH AMBER_INSTALL_DATADIR BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX} NORMALIZE
           OUTPUT_VARIABLE amber_data_folder)
file(RELATIVE_PATH AMBER_DATA_FROM_PROGRAMS ${amber_programs_folder} ${amber_data_folder})
string(APPEND AMBER_DATA_FROM_PROGRAMS /)
