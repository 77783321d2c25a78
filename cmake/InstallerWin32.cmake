# What the Windows installer is made of: setup's helpers, the notices and the
# lists of files. makensis packs them with the saver folder into
# amber-bell-setup.exe (packaging/windows/amber-bell.nsi) through the script
# make-installer made here; scripts/build-windows runs it with Debian 13's
# NSIS, in a system of its own, once the build is done.
set(script ${PROJECT_SOURCE_DIR}/packaging/windows/amber-bell.nsi)

# The finish page starts its programs through it, as the desktop's user; it
# goes into the installer only, not into the install folder.
add_executable(as-desktop-user WIN32 ${PROJECT_SOURCE_DIR}/packaging/windows/as_desktop_user.cpp)
target_link_libraries(as-desktop-user PRIVATE ole32 oleaut32 uuid)
set_target_properties(as-desktop-user PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/installer)
# Setup gives an older settings file the access every save gives, through it.
add_executable(settings-access WIN32 ${PROJECT_SOURCE_DIR}/packaging/windows/settings_access.cpp)
target_include_directories(settings-access PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(settings-access PRIVATE advapi32 shell32)
set_target_properties(settings-access PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/installer)
# Setup takes only a folder inside Program Files, resolved on the file system.
add_executable(install-folder WIN32 ${PROJECT_SOURCE_DIR}/packaging/windows/install_folder.cpp
               ${PROJECT_SOURCE_DIR}/packaging/windows/install_folder_rule.cpp)
target_link_libraries(install-folder PRIVATE shell32 ole32 advapi32)
set_target_properties(install-folder PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/installer)

# The licence and the third-party notices go into the install folder, as text
# files Windows opens with a double click; the licence page shows the first.
# The notices end with the patches the libraries were built with.
set(patches ${AMBER_WIN32_DEPS}/share/amber-bell/patches.txt)
set(text_script ${PROJECT_SOURCE_DIR}/cmake/WindowsText.cmake)
add_custom_command(OUTPUT ${AMBER_SAVER_DIR}/LICENSE.txt
  COMMAND ${CMAKE_COMMAND} -DIN=${PROJECT_SOURCE_DIR}/LICENSE -DOUT=${AMBER_SAVER_DIR}/LICENSE.txt -P ${text_script}
  DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE ${text_script})
add_custom_command(OUTPUT ${AMBER_SAVER_DIR}/THIRD-PARTY-NOTICES.txt
  COMMAND ${CMAKE_COMMAND} -DIN=${PROJECT_SOURCE_DIR}/THIRD-PARTY-NOTICES.txt
          -DOUT=${AMBER_SAVER_DIR}/THIRD-PARTY-NOTICES.txt -DPATCHES=${patches} -DVERSION=${PROJECT_VERSION}
          -P ${text_script}
  DEPENDS ${PROJECT_SOURCE_DIR}/THIRD-PARTY-NOTICES.txt ${patches} ${text_script})
set(notice_files ${AMBER_SAVER_DIR}/LICENSE.txt ${AMBER_SAVER_DIR}/THIRD-PARTY-NOTICES.txt)

# The sources of the libraries, handed out beside the installer.
set(AMBER_SOURCES_ARCHIVE ${CMAKE_BINARY_DIR}/amber-bell-${PROJECT_VERSION}-windows-sources.tar.xz)
add_custom_command(OUTPUT ${AMBER_SOURCES_ARCHIVE}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${AMBER_WIN32_SOURCES} ${AMBER_SOURCES_ARCHIVE}
  DEPENDS ${AMBER_WIN32_SOURCES})
add_custom_target(windows-sources ALL DEPENDS ${AMBER_SOURCES_ARCHIVE})

# The packages reach the script as an include of one macro, which inserts a
# given macro once for each package's file name (cmake/Packages.cmake).
set(file_lists_nsh ${CMAKE_BINARY_DIR}/file-lists.nsh)
set(package_lines "")
foreach(package ${AMBER_PACKAGES})
  string(APPEND package_lines "  !insertmacro \${DO} \"${package}\"\n")
endforeach()
set(library_lines "")
foreach(dll ${AMBER_WIN32_DLLS})
  string(APPEND library_lines "  !insertmacro \${DO} \"${dll}\"\n")
endforeach()
file(CONFIGURE OUTPUT ${file_lists_nsh} CONTENT "; The show's packages and the DLLs (made by cmake/InstallerWin32.cmake).
!macro ForEachPackage DO
${package_lines}!macroend
!macro ForEachLibrary DO
${library_lines}!macroend
" @ONLY)

# makensis's command: scripts/build-windows makes the installer with it from
# the build, and a signed one from signed copies of the files.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/make-installer CONTENT [=[#!/usr/bin/env bash
# Made by cmake/InstallerWin32.cmake: makes the installer from a saver folder
# and a folder of setup's helpers; with CERT and KEY, setup and its
# uninstaller are signed as makensis writes them (packaging/windows/sign-file).
#   make-installer SAVER_DIR HELPER_DIR OUT_FILE [CERT KEY]
set -euo pipefail
sign=()
[ $# -lt 5 ] || sign=("-DSIGN_FILE=bash \"@PROJECT_SOURCE_DIR@/packaging/windows/sign-file\" \"$4\" \"$5\"")
exec makensis -V2 -DVERSION=@PROJECT_VERSION@ "-DSAVER_DIR=$1" "-DART_DIR=@AMBER_WINDOWS_ART_DIR@" \
    "-DFILE_LISTS_NSH=@file_lists_nsh@" "-DAS_DESKTOP_USER=$2/as-desktop-user.exe" \
    "-DSETTINGS_ACCESS=$2/settings-access.exe" "-DINSTALL_FOLDER=$2/install-folder.exe" "-DOUT_FILE=$3" \
    "${sign[@]}" "@script@"
]=] @ONLY)
# Everything the installer takes from the build, made by the build.
add_custom_target(installer_parts ALL DEPENDS amber-bell amber-config as-desktop-user settings-access install-folder
                  artwork saver_dlls ${notice_files} ${file_lists_nsh})
