# Writes the version text --version prints into a header, at every build:
#   cmake -DVERSION=<x.y.z> -DSOURCE_DIR=<checkout> -DFROM_GIT=ON|OFF -DOUT=<header> -P VersionText.cmake
# A build of the release (its tag v<x.y.z> checked out unchanged, or a source
# tree without git) prints the version alone; any other checkout adds what
# `git describe` says of it, so a bug report names the commit. The header is
# rewritten only when the text changes. FROM_GIT=OFF (a package built inside
# a checkout) prints the version alone in any case.
set(text "${VERSION}")
find_program(git git)
if(FROM_GIT AND git AND EXISTS "${SOURCE_DIR}/.git")
  execute_process(COMMAND ${git} -C "${SOURCE_DIR}" describe --tags --match "v[0-9]*" --always --dirty --abbrev=7
                  OUTPUT_VARIABLE described OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE failed)
  if(NOT failed AND NOT described STREQUAL "v${VERSION}")
    string(REGEX REPLACE "^v${VERSION}-" "" described "${described}")
    set(text "${VERSION}+${described}")
  endif()
endif()
set(content "// Made by cmake/VersionText.cmake at build time.\n#define AMBER_VERSION_TEXT \"${text}\"\n")
if(EXISTS "${OUT}")
  file(READ "${OUT}" old)
endif()
if(NOT old STREQUAL content)
  file(WRITE "${OUT}" "${content}")
endif()
