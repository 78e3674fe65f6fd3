// This program is edition 3.
#include "editions/edition.h"

const EditionInfo& gEdition = kEditions[3 - 1];
