#include "tests/support/Modalwatchdog.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The desktop's per-user folders point into a temporary folder for the whole run, so no test
// reads or writes the real user's settings or data. Windows are drawn offscreen.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    for (const char* name :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
        qputenv(name, (home.path() + QLatin1Char('/') + QLatin1String(name)).toUtf8());
    qputenv("HOME", home.path().toUtf8());

    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new CModalWatchdog());
    return RUN_ALL_TESTS();
}
