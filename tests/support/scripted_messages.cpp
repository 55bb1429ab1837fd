#include "support/scripted_messages.h"

#include <gtest/gtest.h>

namespace testsupport {

ScriptedMessages::ScriptedMessages() { platform::Set_Message_Service(this); }

ScriptedMessages::~ScriptedMessages() { platform::Set_Message_Service(nullptr); }

platform::MsgAnswer ScriptedMessages::Show(const QString& text, platform::MsgButtons buttons,
                                           platform::MsgIcon icon, const QString& title)
{
    boxes_.append({icon, title, text, buttons});
    if (buttons == platform::MsgButtons::Ok)
        return platform::MsgAnswer::Ok;
    if (answers_.empty()) {
        ADD_FAILURE() << "Unexpected question box: " << text.toStdString();
        return platform::MsgAnswer::Cancel;
    }
    const platform::MsgAnswer a = answers_.front();
    answers_.pop_front();
    return a;
}

platform::MsgAnswer ScriptedMessages::Show_Unowned(const QString& text,
                                                   platform::MsgButtons buttons,
                                                   platform::MsgIcon icon, const QString& title)
{
    const platform::MsgAnswer a = Show(text, buttons, icon, title);
    boxes_.last().unowned = true;
    return a;
}

QStringList ScriptedMessages::Texts() const
{
    QStringList out;
    for (const Recorded_Box& b : boxes_)
        out << b.text;
    return out;
}

ScriptedFileDialogs::ScriptedFileDialogs() { platform::Set_File_Dialog_Service(this); }

ScriptedFileDialogs::~ScriptedFileDialogs() { platform::Set_File_Dialog_Service(nullptr); }

QString ScriptedFileDialogs::Ask(const platform::FileDialogRequest& request)
{
    requests_.append(request);
    if (answers_.empty()) {
        ADD_FAILURE() << "Unexpected file dialog: " << request.title.toStdString();
        return QString();
    }
    const QString a = answers_.front();
    answers_.pop_front();
    return a;
}

} // namespace testsupport
