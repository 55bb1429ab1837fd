#pragma once
// Test doubles of the message and file-dialog services. They record every
// box and dialog and answer from queues; a question or dialog with no queued
// answer fails the running test and answers Cancel. OK-only boxes need no
// queued answer. Both install themselves on construction and uninstall on
// destruction.

#include "platform/file_dialog_service.h"
#include "platform/message_service.h"

#include <QList>
#include <QString>
#include <deque>

namespace testsupport {

struct Recorded_Box {
    platform::MsgIcon icon;
    QString title; // as the program passed it (empty = program's title)
    QString text;
    platform::MsgButtons buttons;
    bool unowned = false; // shown without an owner window
};

class ScriptedMessages final : public platform::MessageService {
public:
    ScriptedMessages();
    ~ScriptedMessages() override;
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    // Queues the answer of the next box that has more than an OK button.
    void Answer(platform::MsgAnswer answer) { answers_.push_back(answer); }

    platform::MsgAnswer Show(const QString& text, platform::MsgButtons buttons,
                             platform::MsgIcon icon, const QString& title) override;
    platform::MsgAnswer Show_Unowned(const QString& text, platform::MsgButtons buttons,
                                     platform::MsgIcon icon, const QString& title) override;

    const QList<Recorded_Box>& Boxes() const { return boxes_; }
    QStringList Texts() const;
    void Clear() { boxes_.clear(); }
    int Pending_Answers() const { return static_cast<int>(answers_.size()); }

private:
    QList<Recorded_Box> boxes_;
    std::deque<platform::MsgAnswer> answers_;
};

class ScriptedFileDialogs final : public platform::FileDialogService {
public:
    ScriptedFileDialogs();
    ~ScriptedFileDialogs() override;
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    // Queues the path the next dialog returns; an empty path is Cancel.
    void Answer(const QString& path) { answers_.push_back(path); }

    QString Ask(const platform::FileDialogRequest& request) override;

    const QList<platform::FileDialogRequest>& Requests() const { return requests_; }

private:
    QList<platform::FileDialogRequest> requests_;
    std::deque<QString> answers_;
};

} // namespace testsupport
