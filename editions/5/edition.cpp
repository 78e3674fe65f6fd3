// This program is edition 5.
#include "app/edition.h"

const EditionInfo& gEdition = kEditions[5 - 1];
