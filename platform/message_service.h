#pragma once
// Every message box and question of the program goes through this service,
// so that tests can answer boxes without a user and never block.

#include <QString>

namespace platform {

enum class MsgIcon { None, Exclamation, Critical, Question, Information };
// YesNo_Default_No: a question whose Yes destroys something; Enter answers No.
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, YesNo_Default_No };
enum class MsgAnswer { Ok, Cancel, Yes, No };

// The program's title: boxes without a title of their own carry it.
QString App_Title();

class MessageService {
public:
    virtual ~MessageService() = default;
    // An empty title means the program's title.
    virtual MsgAnswer Show(const QString& text, MsgButtons buttons, MsgIcon icon,
                           const QString& title) = 0;
    // A box with no owner window (the writer component's own boxes). A
    // service that does not tell the two apart shows it like any other.
    virtual MsgAnswer Show_Unowned(const QString& text, MsgButtons buttons, MsgIcon icon,
                                   const QString& title)
    {
        return Show(text, buttons, icon, title);
    }
};

// The service in use. Until one is installed, a service that shows real
// QMessageBox dialogs answers.
MessageService& Messages();

// Installs a service (not owned); nullptr goes back to the real dialogs.
void Set_Message_Service(MessageService* service);

// Shorthands for the usual boxes.
MsgAnswer Msg_Box(const QString& text, MsgButtons buttons = MsgButtons::Ok,
                  MsgIcon icon = MsgIcon::None, const QString& title = QString());
MsgAnswer Msg_Box_Unowned(const QString& text, MsgButtons buttons, MsgIcon icon,
                          const QString& title);
void Warn(const QString& text, const QString& title = QString());     // exclamation, OK
void Critical(const QString& text, const QString& title = QString()); // critical, OK

} // namespace platform
