// Runs the window tests against the real application object and style,
// headless unless a display platform was chosen.

#include "TApplication.h"
#include "TStyleManager.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    TApplication application(argc, argv);
    TStyleManager::TrySetStyle(u"Carbon"_qs, false);
    return RUN_ALL_TESTS();
}
