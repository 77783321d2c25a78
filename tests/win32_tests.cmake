# The Windows build's tests, run under Wine by scripts/test-windows: the unit
# tests in two programs (without GL, and on real GL through a hidden window),
# and small Win32 programs that play the Screen Saver dialog's preview area
# and a sibling program the screensaver starts.
add_library(amber_win32_gtest STATIC IMPORTED)
set_target_properties(amber_win32_gtest PROPERTIES
  IMPORTED_LOCATION "${AMBER_WIN32_DEPS}/lib/libgtest.a"
  INTERFACE_INCLUDE_DIRECTORIES "${AMBER_WIN32_DEPS}/include")
add_library(amber_win32_gtest_main STATIC IMPORTED)
set_target_properties(amber_win32_gtest_main PROPERTIES
  IMPORTED_LOCATION "${AMBER_WIN32_DEPS}/lib/libgtest_main.a")

# The test programs find the DLLs beside them.
amber_copy_dlls(test_dlls ${CMAKE_CURRENT_BINARY_DIR})

# The no-GL unit tests.
set(win32_unit_tests
  app/preview_mode_test.cpp app/run_mode_test.cpp
  settings/settings_file_test.cpp settings/settings_options_test.cpp settings/settings_test.cpp
  platform/files_test.cpp
  package/package_file_test.cpp package/package_reader_test.cpp
  mesh/sub_mesh_record_test.cpp
  proctex/fire_test.cpp proctex/plasma_test.cpp proctex/procedural_name_test.cpp
  content/month_grid_test.cpp win32/monitor_cover_test.cpp win32/file_security_test.cpp
  win32/install_folder_rule_test.cpp ${PROJECT_SOURCE_DIR}/packaging/windows/install_folder_rule.cpp
  tools/settings_form_test.cpp)
add_executable(unit_tests ${win32_unit_tests} support/test_models.cpp)
target_include_directories(unit_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/packaging/windows)
target_link_libraries(unit_tests PRIVATE amber_win32_gtest_main amber_win32_gtest amber_settings_form amber_core amber_temp_dir amber_bmp_writer
                      ${AMBER_SCREEN_GL_LIBS})

# The tests on real GL, on Wine's OpenGL through a hidden window.
set(win32_gl_tests
  app/headless_driver_test.cpp app/scene_assembly_test.cpp app/show_status_test.cpp
  package/texture_cache_test.cpp proctex/procedural_registry_test.cpp
  scene/action_list_test.cpp scene/behaviours_test.cpp scene/controller_set_test.cpp
  scene/hooks_test.cpp scene/model_loading_test.cpp scene/scene_node_test.cpp
  scene/transform_test.cpp scene/transparent_queue_test.cpp
  mesh/mesh_draw_test.cpp mesh/sub_mesh_test.cpp
  content/calendar_test.cpp content/clock_test.cpp content/delayed_model_test.cpp
  content/frame_counter_test.cpp content/heart_test.cpp
  video/display_test.cpp)
add_executable(gl_tests ${win32_gl_tests} support/test_models.cpp
               support/show_packages.cpp)
target_include_directories(gl_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(gl_tests PRIVATE amber_win32_gtest_main amber_win32_gtest amber_core
                      amber_offscreen amber_temp_dir amber_bmp_writer)

add_executable(preview-host WIN32 win32/preview_host.cpp)
target_link_libraries(preview-host PRIVATE amber_core ${AMBER_SCREEN_GL_LIBS})

add_executable(stand-in WIN32 win32/stand_in.cpp)

# A DLL named SDL.dll that has SDL_Linked_Version and nothing else.
add_library(partial-sdl SHARED win32/partial_sdl.c)
set_target_properties(partial-sdl PROPERTIES PREFIX "" OUTPUT_NAME partial-sdl)

add_executable(command-line-echo WIN32 win32/command_line_echo.cpp)
target_link_libraries(command-line-echo PRIVATE amber_platform)

# Reads back the resources Windows shows of our programs.
add_executable(resource-check win32/resource_check.cpp)
target_link_libraries(resource-check PRIVATE version shell32)

# Each image of a package as decoded here, against the Linux build's.
add_executable(image-digest support/image_digest.cpp)
target_link_libraries(image-digest PRIVATE amber_core)

# What an installer's page shows, for tests that wait for a page.
add_executable(window-texts win32/window_texts.cpp)

add_executable(monitor-list win32/monitor_list.cpp)
target_link_libraries(monitor-list PRIVATE amber_core)
