// Runs the GoogleTest cases of the core layers (platform core, ledger store)
// without any application object: they need no event loop, no display and no
// platform plugin. The store shows nothing: its statuses are the results.
#include "tests/support/CoreTestEnvironment.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    UseChineseLocale();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
