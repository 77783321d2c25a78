# A quick Debian package of a build tree: `cpack -G DEB` in the build folder
# (tests/packaging/e2e_debian_package.sh) makes amber-bell_<version>_<arch>.deb from what `cmake --install` lays out
# under /usr, stripped, with the dependencies dpkg-shlibdeps finds in the
# binaries. The recorded install directory in /etc is a configuration file
# kept by the maintainer scripts rather than a conffile: its path has blanks,
# which a conffiles list cannot hold.

# Compressed as Debian wants them: gzip -9, without a name or a time stamp.
set(doc_out ${CMAKE_BINARY_DIR}/doc)
file(MAKE_DIRECTORY ${doc_out})
set(compressed)
foreach(pair "docs/amber-bell.6:amber-bell.6.gz" "docs/amber-bell-pak.1:amber-bell-pak.1.gz"
             "docs/amber-bell-config.1:amber-bell-config.1.gz"
             "docs/amber-bell-snapshot.1:amber-bell-snapshot.1.gz"
             "debian/changelog:changelog.gz"
             "THIRD-PARTY-NOTICES.txt:THIRD-PARTY-NOTICES.txt.gz")
  string(REPLACE ":" ";" pair "${pair}")
  list(GET pair 0 source)
  list(GET pair 1 target)
  add_custom_command(OUTPUT ${doc_out}/${target}
    COMMAND sh -c "gzip -9nc \"$1\" > \"$2\"" sh ${PROJECT_SOURCE_DIR}/${source} ${doc_out}/${target}
    DEPENDS ${PROJECT_SOURCE_DIR}/${source}
    VERBATIM)
  list(APPEND compressed ${doc_out}/${target})
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${compressed})

install(FILES ${doc_out}/amber-bell.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${doc_out}/amber-bell-pak.1.gz ${doc_out}/amber-bell-config.1.gz ${doc_out}/amber-bell-snapshot.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The licence and the notices of what the programs are built with go beside
# the copyright file.
install(FILES ${doc_out}/changelog.gz ${PROJECT_SOURCE_DIR}/debian/copyright
        ${PROJECT_SOURCE_DIR}/LICENSE ${doc_out}/THIRD-PARTY-NOTICES.txt.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/amber-bell)

set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The maintainer scripts of the source package, without debhelper's
# place-holder, which only debhelper fills.
foreach(script postinst postrm)
  file(READ ${PROJECT_SOURCE_DIR}/debian/amber-bell.${script} text)
  string(REPLACE "#DEBHELPER#\n" "" text "${text}")
  file(WRITE ${CMAKE_BINARY_DIR}/debian/${script} "${text}")
  file(CHMOD ${CMAKE_BINARY_DIR}/debian/${script}
       PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/debian/amber-bell.postinst ${PROJECT_SOURCE_DIR}/debian/amber-bell.postrm)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME amber-bell)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR lumivera)
set(CPACK_STRIP_FILES ON)
# Everything but the recorded install directory (component recorded_install_directory).
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};Unspecified;/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Amber Bell developers <amber-bell@lumivera.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS xscreensaver)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "beating-heart screensaver with a clock and a calendar
Amber Bell shows a beating heart in a ring of fire that sends out a stream
of small hearts over a background picture, with an analog or digital clock,
a calendar page and a frame counter. It runs full screen, or as a hack of
XScreenSaver and the lockers that run its hacks, and comes with a settings
dialog.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/debian/postinst ${CMAKE_BINARY_DIR}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
