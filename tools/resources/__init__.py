"""Generators of the programs' bitmaps, icons, cursor and wave sounds.

Run tools/gen_resources.py; build.py assembles everything, the other modules each paint
one family of pictures (frame, buttons, swatches, dialogs, titles, edition_art with scenes,
cursor) or synthesise the sounds; fileformats.py writes the BMP, ICO, CUR and WAV bytes."""
