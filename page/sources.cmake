list(APPEND TW_PORTABLE_SOURCES
  page/colours.cpp
  page/page_image.cpp
)
list(APPEND TW_WIN32_SOURCES
  page/palette_win32.cpp
)
