# Included by this folder's CMakeLists.txt: the per-desktop hotkeys and the commands that
# add and remove desktops, as units the main form calls.
add_library(plexor_tray_commands STATIC
  ${CMAKE_CURRENT_LIST_DIR}/HotkeyTables.cpp ${CMAKE_CURRENT_LIST_DIR}/Hotkeys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DesktopCount.cpp)
target_include_directories(plexor_tray_commands PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(plexor_tray_commands PUBLIC plexor_engine plexor_boolean_text msghook user32)

# The wiring of these units, the exit dialog and the watchdog into the main form's hooks.
add_library(plexor_tray_wiring STATIC ${CMAKE_CURRENT_LIST_DIR}/TrayCommandWiring.cpp)
target_include_directories(plexor_tray_wiring PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(plexor_tray_wiring PUBLIC plexor_tray_commands plexor_mainform plexor_exit)
