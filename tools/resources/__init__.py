"""Generators of the programs' bitmaps, icons, cursor and wave sounds."""
