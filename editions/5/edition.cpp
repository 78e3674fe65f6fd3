// This program is edition 5.
#include "editions/edition.h"

const EditionInfo& gEdition = kEditions[5 - 1];
