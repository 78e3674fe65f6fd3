// The edition record: everything that differs between the five programs
// apart from a few pictures in the resources.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int kEditionCount = 5;
constexpr int kPageCount = 50;

struct EditionInfo {
    int number;                     // 1..5
    const char* deliverable;        // "tintwell", "tintwell2", ...
    const char* windowTitle;
    const char* className;
    const char* pageExtension;      // with the dot, e.g. ".col"
    uint16_t pageSignature;         // first two file bytes read little-endian ("CO" = 0x4F43)
    const char* musicFile;
    const char* aboutHeading;
    const char* aboutVersion;
    const char* pageNames[kPageCount];
};

// All five records; index = edition number - 1.
extern const EditionInfo kEditions[kEditionCount];

// The record this program was built for (defined once per deliverable).
extern const EditionInfo& gEdition;

// Convenience: the page file names of the built edition.
inline const char* PageName(int index) { return gEdition.pageNames[index]; }

// The edition's folder under Documents\Tintwell, where the installers put its pages:
// the About heading with ": " written as " - " (Windows allows no colon in a name).
// False when it does not fit in size bytes.
bool EditionFolderName(const EditionInfo& edition, char* out, size_t size);
