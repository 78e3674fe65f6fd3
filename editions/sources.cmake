list(APPEND TW_PORTABLE_SOURCES
  editions/edition_table.cpp
)
