// This program is edition 3.
#include "app/edition.h"

const EditionInfo& gEdition = kEditions[3 - 1];
