# `cmake --install` copies the ready-to-run saver directory, the programs to
# their folder and the packages and preview picture to the data folder, and
# links bin/amber-bell and XScreenSaver's hack to the show, which finds its
# data from its own path. Paths under the prefix are formed at install time,
# so --prefix works; links inside the prefix are relative, as Debian wants
# them. The folders are cmake/InstallDirs.cmake's.

# The programs go through install(TARGETS), so that --strip (and the package)
# strips them.
# The packages and the preview picture are the same on every architecture:
# they go to the data folder, the rest of the saver folder to the programs'.
install(DIRECTORY ${AMBER_SAVER_DIR}/ DESTINATION ${AMBER_INSTALL_LIBDIR} USE_SOURCE_PERMISSIONS
        PATTERN amber-bell EXCLUDE PATTERN config EXCLUDE PATTERN idle EXCLUDE
        PATTERN *.pak EXCLUDE PATTERN *.ppk EXCLUDE)
install(DIRECTORY ${AMBER_SAVER_DIR}/ DESTINATION ${AMBER_INSTALL_DATADIR}
        FILES_MATCHING PATTERN *.pak PATTERN *.ppk)
# The settings program, the idle watcher, the package tool and the snapshot
# renderer go along, as bin/amber-bell-config, bin/amber-bell-idle,
# bin/amber-bell-pak and bin/amber-bell-snapshot.
install(TARGETS amber-bell amber-config amber-idle pak amber-snapshot RUNTIME DESTINATION ${AMBER_INSTALL_LIBDIR})
install(CODE "
  # A folder as installed: under the prefix unless it is absolute.
  function(amber_installed_folder folder out)
    cmake_path(ABSOLUTE_PATH folder BASE_DIRECTORY \"\${CMAKE_INSTALL_PREFIX}\" NORMALIZE)
    set(\${out} \"\${folder}\" PARENT_SCOPE)
  endfunction()
  amber_installed_folder(\"${AMBER_INSTALL_LIBDIR}\" saver)
  amber_installed_folder(\"${CMAKE_INSTALL_BINDIR}\" bindir)
  amber_installed_folder(\"${AMBER_XSCREENSAVER_HACKDIR}\" hackdir)
  set(bin \"\$ENV{DESTDIR}\${bindir}\")
  file(MAKE_DIRECTORY \"\${bin}\")
  file(RELATIVE_PATH target \"\${bindir}\" \"\${saver}/amber-bell\")
  file(CREATE_LINK \"\${target}\" \"\${bin}/amber-bell\" SYMBOLIC)
  # Links made here go into install_manifest.txt as installed files do
  # (without DESTDIR), so that the manifest lists everything to remove.
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${bindir}/amber-bell\")
  foreach(pair \"pak:amber-bell-pak\" \"config:amber-bell-config\" \"idle:amber-bell-idle\"
               \"amber-snapshot:amber-bell-snapshot\")
    string(REPLACE \":\" \";\" pair \"\${pair}\")
    list(GET pair 0 program)
    list(GET pair 1 name)
    file(RELATIVE_PATH target \"\${bindir}\" \"\${saver}/\${program}\")
    file(CREATE_LINK \"\${target}\" \"\${bin}/\${name}\" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${bindir}/\${name}\")
  endforeach()

  set(hacks \"\$ENV{DESTDIR}\${hackdir}\")
  file(MAKE_DIRECTORY \"\${hacks}\")
  file(RELATIVE_PATH target \"\${hackdir}\" \"\${saver}/amber-bell\")
  file(CREATE_LINK \"\${target}\" \"\${hacks}/amber-bell\" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${hackdir}/amber-bell\")

  # Where cmake/IdleUnit.cmake writes the watcher's user unit.
  amber_installed_folder(\"${AMBER_SYSTEMD_USER_UNITDIR}\" unitdir)
")
install(SCRIPT ${PROJECT_SOURCE_DIR}/cmake/IdleUnit.cmake)
install(FILES ${PROJECT_SOURCE_DIR}/src/platform/posix/xscreensaver/amber-bell.xml
        DESTINATION ${AMBER_XSCREENSAVER_CONFIGDIR})
# The menu entries, the entry of MATE's and Xfce's screensaver daemons, the
# AppStream metainfo and the icon (cmake/DesktopEntries.cmake).
install(DIRECTORY ${AMBER_SHARE_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR})

# The manual pages, as they are: compressing them is the packaging tools'
# work (dh_compress, rpm's brp-compress, makepkg). The Debian package installs
# its own from the sources.
foreach(page amber-bell.6 amber-bell-config.1 amber-bell-idle.1 amber-bell-pak.1 amber-bell-snapshot.1)
  string(REGEX MATCH "[0-9]$" section ${page})
  install(FILES ${PROJECT_SOURCE_DIR}/docs/${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endforeach()
# The notices of the Linux programs alone (cmake/LinuxNotices.cmake); the
# full file also covers the Windows build.
set(linux_notices ${CMAKE_BINARY_DIR}/THIRD-PARTY-NOTICES.txt)
add_custom_command(OUTPUT ${linux_notices}
  COMMAND ${CMAKE_COMMAND} -DIN=${PROJECT_SOURCE_DIR}/THIRD-PARTY-NOTICES.txt -DOUT=${linux_notices}
          -P ${PROJECT_SOURCE_DIR}/cmake/LinuxNotices.cmake
  DEPENDS ${PROJECT_SOURCE_DIR}/THIRD-PARTY-NOTICES.txt ${PROJECT_SOURCE_DIR}/cmake/LinuxNotices.cmake VERBATIM)
add_custom_target(linux_notices ALL DEPENDS ${linux_notices})
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${linux_notices} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/amber-bell)
