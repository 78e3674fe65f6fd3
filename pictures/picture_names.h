// Where the release keeps each edition's pages and what the saved pictures are
// called: generated from the edition table and the page titles.
#pragma once

#include "editions/edition.h"

// The folder of an edition under Documents\Tintwell, e.g. "Tintwell 2 - Dinosaurs".
extern const char* const kEditionFolders[kEditionCount];

// The picture saved from each page, without ".png": the page's title, with the
// edition's folder name after it where two editions have a page of that title.
extern const char* const kPictureNames[kEditionCount][kPageCount];
