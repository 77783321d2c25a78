# The Windows installer: makensis (Debian's nsis) packs the saver folder into
# build-win32/amber-bell-setup.exe (packaging/windows/amber-bell.nsi).
find_program(AMBER_MAKENSIS makensis)
if(NOT AMBER_MAKENSIS)
  message(WARNING "makensis not found (Debian package nsis): no installer is made")
  return()
endif()
set(AMBER_SETUP ${CMAKE_BINARY_DIR}/amber-bell-setup.exe)
set(script ${PROJECT_SOURCE_DIR}/packaging/windows/amber-bell.nsi)
add_custom_command(OUTPUT ${AMBER_SETUP}
  COMMAND ${AMBER_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DSAVER_DIR=${AMBER_SAVER_DIR}
          -DART_DIR=${AMBER_WINDOWS_ART_DIR} -DOUT_FILE=${AMBER_SETUP} ${script}
  DEPENDS ${script} amber-bell amber-config artwork
          ${AMBER_WINDOWS_ART_DIR}/amber-bell.ico ${AMBER_WINDOWS_ART_DIR}/installer-header.bmp
          ${AMBER_WINDOWS_ART_DIR}/installer-side.bmp
          ${AMBER_SAVER_DIR}/main.pak ${AMBER_SAVER_DIR}/clock.pak ${AMBER_SAVER_DIR}/calendar.pak
          ${AMBER_SAVER_DIR}/utils.pak ${AMBER_SAVER_DIR}/preview.ppk
  COMMENT "Making the installer amber-bell-setup.exe"
  VERBATIM)
add_custom_target(installer ALL DEPENDS ${AMBER_SETUP})
