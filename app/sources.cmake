list(APPEND TW_PORTABLE_SOURCES
  app/random.cpp
)
list(APPEND TW_WIN32_SOURCES
  app/app_box.cpp
  app/bitmaps.cpp
  app/busy.cpp
  app/controls.cpp
  app/display.cpp
  app/drawbrdr.cpp
  app/input.cpp
  app/mainwnd.cpp
  app/page_files.cpp
  app/page_folder.cpp
  app/page_turn.cpp
  app/painting.cpp
  app/random_win32.cpp
  app/screen_draw.cpp
  app/startup.cpp
  app/surface.cpp
  app/text.cpp
  app/undo.cpp
  app/wine_renderer.cpp
)
