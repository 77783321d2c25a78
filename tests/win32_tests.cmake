# The Windows build's tests, run under Wine by scripts/test-windows: the unit
# tests that need no GL context, in one program, and a small Win32 program
# that plays the Screen Saver dialog's preview area.
add_library(amber_win32_gtest STATIC IMPORTED)
set_target_properties(amber_win32_gtest PROPERTIES
  IMPORTED_LOCATION "${AMBER_WIN32_DEPS}/lib/libgtest.a"
  INTERFACE_INCLUDE_DIRECTORIES "${AMBER_WIN32_DEPS}/include")
add_library(amber_win32_gtest_main STATIC IMPORTED)
set_target_properties(amber_win32_gtest_main PROPERTIES
  IMPORTED_LOCATION "${AMBER_WIN32_DEPS}/lib/libgtest_main.a")

set(win32_unit_tests
  app/preview_mode_test.cpp app/run_mode_test.cpp
  settings/settings_file_test.cpp settings/settings_options_test.cpp settings/settings_test.cpp
  package/package_file_test.cpp package/package_reader_test.cpp
  mesh/sub_mesh_record_test.cpp
  proctex/fire_test.cpp proctex/plasma_test.cpp proctex/procedural_name_test.cpp
  content/month_grid_test.cpp)
add_executable(unit_tests ${win32_unit_tests} support/temp_dir.cpp support/test_models.cpp)
target_include_directories(unit_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(unit_tests PRIVATE amber_win32_gtest_main amber_win32_gtest amber_core
                      ${AMBER_SCREEN_GL_LIBS})

add_executable(preview-host WIN32 win32/preview_host.cpp)
target_link_libraries(preview-host PRIVATE amber_core ${AMBER_SCREEN_GL_LIBS})

add_executable(stand-in WIN32 win32/stand_in.cpp)
