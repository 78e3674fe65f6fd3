# tintwell-pictures.exe: the portable reading of a page as a picture, and the Win32 program.
list(APPEND TW_PICTURES_SOURCES
  pictures/picture_names.cpp
  pictures/picture_page.cpp
)
