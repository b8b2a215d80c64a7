#include "tests/support/CoreTestEnvironment.h"

#include <QSettings>

void UseChineseLocale()
{
    qputenv("LANG", "zh_CN.UTF-8");
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        qunsetenv(name);
}

TestFolders::TestFolders()
{
    qputenv("ORVYN_HOME", m_data.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
    // QSettings reads the folder once per process; point it at this test's one.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
}

TestFolders::~TestFolders()
{
    qunsetenv("ORVYN_HOME");
}
