# Windows resources of our programs: icon, version information, the name
# string (src/platform/win32/program_resources.rc.in) and the manifest
# (program.manifest.in beside it). The icon is drawn by the
# native build's artwork tool, next to the packages it draws.
set(AMBER_ARTWORK_DIR "" CACHE PATH "The native build's saver folder, holding the packages")
if(NOT AMBER_ARTWORK_DIR)
  message(FATAL_ERROR "AMBER_ARTWORK_DIR names no folder: build with scripts/build-windows")
endif()
# Beside it, the artwork tool's --windows-art folder (tools/artwork/CMakeLists.txt).
get_filename_component(AMBER_WINDOWS_ART_DIR "${AMBER_ARTWORK_DIR}/../windows-art" ABSOLUTE)

# amber_windows_resources(TARGET DESCRIPTION FILE_NAME [DIALOGS]): gives TARGET
# the resources, its Properties showing DESCRIPTION and FILE_NAME. DIALOGS:
# the program shows dialogs, drawn with the common controls of the system's
# current look (version 6).
function(amber_windows_resources target description file_name)
  cmake_parse_arguments(PARSE_ARGV 3 arg "DIALOGS" "" "")
  set(AMBER_RC_ICON "${AMBER_WINDOWS_ART_DIR}/amber-bell.ico")
  set(AMBER_RC_DESCRIPTION "${description}")
  set(AMBER_RC_FILE_NAME "${file_name}")
  string(MAKE_C_IDENTIFIER "${target}" AMBER_RC_ASSEMBLY)
  set(AMBER_RC_COMMON_CONTROLS "")
  if(arg_DIALOGS)
    set(AMBER_RC_COMMON_CONTROLS [[
  <dependency>
    <dependentAssembly>
      <assemblyIdentity type="win32" name="Microsoft.Windows.Common-Controls" version="6.0.0.0"
                        processorArchitecture="*" publicKeyToken="6595b64144ccf1df" language="*"/>
    </dependentAssembly>
  </dependency>]])
  endif()
  set(AMBER_RC_MANIFEST "${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest")
  configure_file("${PROJECT_SOURCE_DIR}/src/platform/win32/program.manifest.in" "${AMBER_RC_MANIFEST}" @ONLY)
  set(rc "${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.rc")
  configure_file("${PROJECT_SOURCE_DIR}/src/platform/win32/program_resources.rc.in" "${rc}" @ONLY)
  target_sources(${target} PRIVATE "${rc}")
  set_property(SOURCE "${rc}" APPEND PROPERTY OBJECT_DEPENDS "${AMBER_RC_ICON}" "${AMBER_RC_MANIFEST}")
endfunction()
