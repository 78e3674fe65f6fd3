list(APPEND TW_PORTABLE_SOURCES
  dialogs/print_layout.cpp
  dialogs/dialog_tables.cpp
  dialogs/dialog_template.cpp
)
list(APPEND TW_WIN32_SOURCES
  dialogs/dialog_procs_win32.cpp
  dialogs/fonts_win32.cpp
  dialogs/run_dialog_win32.cpp
)
list(APPEND TW_WIN32_SOURCES
  dialogs/print_option_win32.cpp
  dialogs/print_win32.cpp
)
