# What Linux desktops show of the screensaver: the menu entries of the show
# and of its settings, the entry the screensaver daemons of MATE and Xfce list
# (applications/screensavers/), the AppStream metainfo and the icon, which the
# artwork tool draws (tools/artwork/hicolor_icons.h). They are laid out in
# build/share as they are installed in <prefix>/share, so tests can put the
# build on XDG_DATA_DIRS.
set(AMBER_APP_ID io.github.lumivera.amber_bell)
set(AMBER_SHARE_DIR ${CMAKE_BINARY_DIR}/share)
# AppStream's web addresses: the project's repository (as debian/copyright's
# Source and debian/watch name it), and the screenshot as the release's own
# tag holds it, so that it shows what that release draws.
set(AMBER_HOMEPAGE https://github.com/lumivera/amber-bell)
set(AMBER_SCREENSHOT_URL
    https://raw.githubusercontent.com/lumivera/amber-bell/v${PROJECT_VERSION}/docs/screenshot-default.png)

set(desktop_sources ${PROJECT_SOURCE_DIR}/packaging/desktop)
configure_file(${desktop_sources}/show.desktop.in ${AMBER_SHARE_DIR}/applications/${AMBER_APP_ID}.desktop @ONLY)
configure_file(${desktop_sources}/settings.desktop.in
               ${AMBER_SHARE_DIR}/applications/${AMBER_APP_ID}.settings.desktop @ONLY)
configure_file(${desktop_sources}/screensaver.desktop.in
               ${AMBER_SHARE_DIR}/applications/screensavers/amber-bell.desktop @ONLY)
configure_file(${desktop_sources}/metainfo.xml.in ${AMBER_SHARE_DIR}/metainfo/${AMBER_APP_ID}.metainfo.xml @ONLY)
