// This program is edition 2.
#include "editions/edition.h"

const EditionInfo& gEdition = kEditions[2 - 1];
