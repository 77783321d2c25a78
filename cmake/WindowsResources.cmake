# Windows resources of our programs: icon, version information and the name
# string (src/platform/win32/program_resources.rc.in). The icon is drawn by the
# native build's artwork tool, next to the packages it draws.
set(AMBER_ARTWORK_DIR "" CACHE PATH "The native build's saver folder, holding the packages")
if(NOT AMBER_ARTWORK_DIR)
  message(FATAL_ERROR "AMBER_ARTWORK_DIR names no folder: build with scripts/build-windows")
endif()
# Beside it, the artwork tool's --windows-art folder (tools/artwork/CMakeLists.txt).
get_filename_component(AMBER_WINDOWS_ART_DIR "${AMBER_ARTWORK_DIR}/../windows-art" ABSOLUTE)

# amber_windows_resources(TARGET DESCRIPTION FILE_NAME): gives TARGET the
# resources, its Properties showing DESCRIPTION and FILE_NAME.
function(amber_windows_resources target description file_name)
  set(AMBER_RC_ICON "${AMBER_WINDOWS_ART_DIR}/amber-bell.ico")
  set(AMBER_RC_DESCRIPTION "${description}")
  set(AMBER_RC_FILE_NAME "${file_name}")
  set(rc "${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.rc")
  configure_file("${PROJECT_SOURCE_DIR}/src/platform/win32/program_resources.rc.in" "${rc}" @ONLY)
  target_sources(${target} PRIVATE "${rc}")
  set_property(SOURCE "${rc}" APPEND PROPERTY OBJECT_DEPENDS "${AMBER_RC_ICON}")
endfunction()
