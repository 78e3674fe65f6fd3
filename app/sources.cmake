list(APPEND TW_PORTABLE_SOURCES
  app/edition_table.cpp
  app/random.cpp
)
list(APPEND TW_WIN32_SOURCES
  app/bitmaps.cpp
  app/display.cpp
  app/mainwnd.cpp
  app/random_win32.cpp
  app/startup.cpp
  app/text.cpp
  sound/sounds_win32.cpp
)
