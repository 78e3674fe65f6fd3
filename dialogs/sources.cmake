list(APPEND TW_PORTABLE_SOURCES
  dialogs/print_layout.cpp
)
list(APPEND TW_WIN32_SOURCES
  dialogs/print_option_win32.cpp
  dialogs/print_win32.cpp
)
