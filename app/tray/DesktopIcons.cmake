# Desktop icons: the icon mirror, per-desktop icon layouts, and the icon hook's reports
# with the rebuild of the mirror.
add_library(plexor_icons STATIC
  AnsiText.cpp IconIdentity.cpp IconMirror.cpp SharedBuffer.cpp DesktopWindows.cpp IconLayoutIni.cpp
  DesktopIconItems.cpp IconLayouts.cpp RebuildTimer.cpp DesktopIconTweaking.cpp)
target_include_directories(plexor_icons PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(plexor_icons PUBLIC plexor_tray plexor_engine plexor_util dtophook_protocol user32 comctl32 shell32)

# The icon parts as the main form's hooks.
add_library(plexor_icon_wiring STATIC IconLayoutWiring.cpp)
target_link_libraries(plexor_icon_wiring PUBLIC plexor_icons plexor_dialogs plexor_mainform)
