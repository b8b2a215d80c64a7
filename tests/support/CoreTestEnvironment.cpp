#include "tests/support/CoreTestEnvironment.h"

#include <QSettings>

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

int MessageRecorder::record(const QString& text, const QString& caption, unsigned flags)
{
    m_boxes.push_back({text, caption, flags});
    if (m_answers.empty())
        return platform::IDOK;
    const int id = m_answers.front();
    m_answers.erase(m_answers.begin());
    return id;
}

QStringList MessageRecorder::texts() const
{
    QStringList list;
    for (const auto& box : m_boxes)
        list << box.text;
    return list;
}
