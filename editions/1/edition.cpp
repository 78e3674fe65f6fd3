// This program is edition 1.
#include "app/edition.h"

const EditionInfo& gEdition = kEditions[1 - 1];
