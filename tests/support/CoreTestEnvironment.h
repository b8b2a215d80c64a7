#pragma once

#include <QString>
#include <QTemporaryDir>

// The program speaks the locale's language; its texts are written in
// Chinese, and the programs a test starts speak Chinese unless the test asks
// for another locale.
void UseChineseLocale();

// Every test gets its own data folder (ORVYN_HOME) and config folder
// (XDG_CONFIG_HOME), so no test touches a user's ledger or profile.
class TestFolders
{
public:
    TestFolders();
    ~TestFolders();
    QString data() const { return m_data.path(); }
    QString config() const { return m_config.path(); }

private:
    QTemporaryDir m_data;
    QTemporaryDir m_config;
};
