# Writes the idle watcher's systemd user unit at install time: run by
# install(SCRIPT) after the code of cmake/Install.cmake has named the installed
# folders `saver` and `unitdir`, so that --prefix and DESTDIR apply. ExecStart
# names the installed watcher as systemd reads a command: "\", "%" and "$"
# doubled, the path quoted when it has blanks.
set(AMBER_IDLE_EXEC "${saver}/idle")
string(REPLACE "\\" "\\\\" AMBER_IDLE_EXEC "${AMBER_IDLE_EXEC}")
string(REPLACE "%" "%%" AMBER_IDLE_EXEC "${AMBER_IDLE_EXEC}")
string(REPLACE "$" "$$" AMBER_IDLE_EXEC "${AMBER_IDLE_EXEC}")
if(AMBER_IDLE_EXEC MATCHES "[ \t]")
  set(AMBER_IDLE_EXEC "\"${AMBER_IDLE_EXEC}\"")
endif()
configure_file("${CMAKE_CURRENT_LIST_DIR}/../packaging/desktop/amber-bell-idle.service.in"
               "$ENV{DESTDIR}${unitdir}/amber-bell-idle.service" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${unitdir}/amber-bell-idle.service")
