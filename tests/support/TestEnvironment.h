#pragma once

#include "platform/MessageBox.h"
#include "tests/support/CoreTestEnvironment.h"

#include <QStringList>
#include <vector>

// Records every message box instead of showing it and gives the queued
// answers in turn (IDOK when none is queued).
class MessageBoxRecorder
{
public:
    struct Box
    {
        QString text;
        QString caption;
        unsigned flags;
    };

    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    void answer(int id) { m_answers.push_back(id); }
    const std::vector<Box>& boxes() const { return m_boxes; }
    QStringList texts() const;
    void clear() { m_boxes.clear(); }

private:
    int record(const QString& text, const QString& caption, unsigned flags);

    std::vector<Box> m_boxes;
    std::vector<int> m_answers;
};
