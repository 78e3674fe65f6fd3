list(APPEND TW_PORTABLE_SOURCES
  page/colours.cpp
  page/page_file.cpp
  page/page_image.cpp
)
list(APPEND TW_WIN32_SOURCES
  page/draw_win32.cpp
  page/page_store_win32.cpp
  page/palette_win32.cpp
)
list(APPEND TW_PORTABLE_SOURCES
  page/point_queue.cpp
  page/fill.cpp
  page/history.cpp
)
