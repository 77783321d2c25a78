# `cmake --install` copies the ready-to-run saver directory, links bin/amber-bell
# to it and records the install directory where the screensaver looks for it.
set(AMBER_INSTALL_LIBDIR ${CMAKE_INSTALL_LIBDIR}/amber-bell CACHE STRING
    "Install directory of the screensaver, relative to the prefix")

install(DIRECTORY ${AMBER_SAVER_DIR}/ DESTINATION ${AMBER_INSTALL_LIBDIR} USE_SOURCE_PERMISSIONS)
install(CODE "
  set(dest \"\$ENV{DESTDIR}${CMAKE_INSTALL_FULL_BINDIR}\")
  file(MAKE_DIRECTORY \"\${dest}\")
  file(CREATE_LINK \"${CMAKE_INSTALL_PREFIX}/${AMBER_INSTALL_LIBDIR}/amber-bell\"
       \"\${dest}/amber-bell\" SYMBOLIC)
  set(reg \"\$ENV{DESTDIR}${AMBER_SYSCONFDIR}/lumivera/Amber Bell/Settings\")
  file(MAKE_DIRECTORY \"\${reg}\")
  file(WRITE \"\${reg}/Path\" \"${CMAKE_INSTALL_PREFIX}/${AMBER_INSTALL_LIBDIR}/\")
  message(STATUS \"Recorded install directory in \${reg}/Path\")
")
