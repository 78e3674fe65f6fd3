// This program is edition 4.
#include "editions/edition.h"

const EditionInfo& gEdition = kEditions[4 - 1];
