// This program is edition 1.
#include "editions/edition.h"

const EditionInfo& gEdition = kEditions[1 - 1];
