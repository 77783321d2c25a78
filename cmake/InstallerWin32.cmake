# The Windows installer: makensis (Debian's nsis) packs the saver folder into
# build-win32/amber-bell-setup.exe (packaging/windows/amber-bell.nsi).
find_program(AMBER_MAKENSIS makensis)
if(NOT AMBER_MAKENSIS)
  message(WARNING "makensis not found (Debian package nsis): no installer is made")
  return()
endif()
set(AMBER_SETUP ${CMAKE_BINARY_DIR}/amber-bell-setup.exe)
set(script ${PROJECT_SOURCE_DIR}/packaging/windows/amber-bell.nsi)

# The packages reach the script as an include of two macros, one File and one
# Delete line for each (cmake/Packages.cmake).
set(packages_nsh ${CMAKE_BINARY_DIR}/packages.nsh)
set(install_lines "")
set(delete_lines "")
foreach(package ${AMBER_PACKAGES})
  string(APPEND install_lines "  File \"\${SAVER_DIR}/${package}\"\n")
  string(APPEND delete_lines "  Delete \"\$INSTDIR\\${package}\"\n")
endforeach()
file(CONFIGURE OUTPUT ${packages_nsh} CONTENT "; The show's packages (made by cmake/InstallerWin32.cmake).
!macro InstallPackages
${install_lines}!macroend
!macro DeletePackages
${delete_lines}!macroend
" @ONLY)
list(TRANSFORM AMBER_PACKAGES PREPEND ${AMBER_SAVER_DIR}/ OUTPUT_VARIABLE package_files)

add_custom_command(OUTPUT ${AMBER_SETUP}
  COMMAND ${AMBER_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DSAVER_DIR=${AMBER_SAVER_DIR}
          -DART_DIR=${AMBER_WINDOWS_ART_DIR} -DPACKAGES_NSH=${packages_nsh} -DOUT_FILE=${AMBER_SETUP} ${script}
  DEPENDS ${script} ${packages_nsh} amber-bell amber-config artwork
          ${AMBER_WINDOWS_ART_DIR}/amber-bell.ico ${AMBER_WINDOWS_ART_DIR}/installer-header.bmp
          ${AMBER_WINDOWS_ART_DIR}/installer-side.bmp
          ${package_files} ${AMBER_SAVER_DIR}/preview.ppk
  COMMENT "Making the installer amber-bell-setup.exe"
  VERBATIM)
add_custom_target(installer ALL DEPENDS ${AMBER_SETUP})
