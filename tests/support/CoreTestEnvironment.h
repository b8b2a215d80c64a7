#pragma once

#include "platform/MessageCodes.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

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

// Records every message instead of showing it and gives the queued answers in
// turn (IDOK when none is queued). A recorder of its own kind decides which
// messages reach it.
class MessageRecorder
{
public:
    struct Box
    {
        QString text;
        QString caption;
        unsigned flags;
    };

    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void answer(int id) { m_answers.push_back(id); }
    const std::vector<Box>& boxes() const { return m_boxes; }
    QStringList texts() const;
    void clear() { m_boxes.clear(); }

protected:
    MessageRecorder() = default;
    ~MessageRecorder() = default;
    int record(const QString& text, const QString& caption, unsigned flags);

private:
    std::vector<Box> m_boxes;
    std::vector<int> m_answers;
};
