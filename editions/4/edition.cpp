// This program is edition 4.
#include "app/edition.h"

const EditionInfo& gEdition = kEditions[4 - 1];
