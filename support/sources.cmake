list(APPEND TW_PORTABLE_SOURCES
  support/assert.cpp
  support/gmem.cpp
  support/log.cpp
)
list(APPEND TW_NATIVE_SOURCES
  support/gmem_native.cpp
  support/log_clock_native.cpp
)
list(APPEND TW_WIN32_SOURCES
  support/gmem_win32.cpp
  support/log_clock_win32.cpp
)
