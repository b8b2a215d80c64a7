#include "tests/support/TestEnvironment.h"

#include "platform/MessageCodes.h"

MessageBoxRecorder::MessageBoxRecorder()
{
    platform::SetMessageBoxHook([this](const QString& text, const QString& caption,
                                       unsigned flags) { return record(text, caption, flags); });
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    platform::SetMessageBoxHook({});
}

int MessageBoxRecorder::record(const QString& text, const QString& caption, unsigned flags)
{
    m_boxes.push_back({text, caption, flags});
    if (m_answers.empty())
        return platform::IDOK;
    const int id = m_answers.front();
    m_answers.erase(m_answers.begin());
    return id;
}

QStringList MessageBoxRecorder::texts() const
{
    QStringList list;
    for (const auto& box : m_boxes)
        list << box.text;
    return list;
}
