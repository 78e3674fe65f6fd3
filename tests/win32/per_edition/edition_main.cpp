// Main of the per-edition test programs: each is linked with one edition's
// record and resources.
#include <gtest/gtest.h>

#include "editions/edition.h"

int TestEditionNumber() { return gEdition.number; }

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
