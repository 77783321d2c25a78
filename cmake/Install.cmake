# `cmake --install` copies the ready-to-run saver directory, links bin/amber-bell
# to it and records the install directory where the screensaver looks for it.
# Paths under the prefix are formed at install time, so --prefix works.
set(AMBER_INSTALL_LIBDIR ${CMAKE_INSTALL_LIBDIR}/amber-bell CACHE STRING
    "Install directory of the screensaver, relative to the prefix")

install(DIRECTORY ${AMBER_SAVER_DIR}/ DESTINATION ${AMBER_INSTALL_LIBDIR} USE_SOURCE_PERMISSIONS)
install(CODE "
  set(saver \"\${CMAKE_INSTALL_PREFIX}/${AMBER_INSTALL_LIBDIR}\")
  set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(MAKE_DIRECTORY \"\${bin}\")
  file(CREATE_LINK \"\${saver}/amber-bell\" \"\${bin}/amber-bell\" SYMBOLIC)
  set(reg \"\$ENV{DESTDIR}${AMBER_SYSCONFDIR}/lumivera/Amber Bell/Settings\")
  file(MAKE_DIRECTORY \"\${reg}\")
  file(WRITE \"\${reg}/Path\" \"\${saver}/\")
  message(STATUS \"Recorded install directory in \${reg}/Path\")

  # XScreenSaver looks for hacks in <prefix>/libexec/xscreensaver.
  set(hacks \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBEXECDIR}/xscreensaver\")
  file(MAKE_DIRECTORY \"\${hacks}\")
  file(CREATE_LINK \"\${saver}/amber-bell\" \"\${hacks}/amber-bell\" SYMBOLIC)
")
# ... and for their descriptions in <prefix>/share/xscreensaver/config.
install(FILES ${PROJECT_SOURCE_DIR}/src/platform/posix/xscreensaver/amber-bell.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/xscreensaver/config)
