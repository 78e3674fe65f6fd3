// This program is edition 2.
#include "app/edition.h"

const EditionInfo& gEdition = kEditions[2 - 1];
