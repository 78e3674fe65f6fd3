list(APPEND TW_WIN32_SOURCES
  dialogs/print_option_win32.cpp
)
