#include "platform/message_service.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {

QString App_Title() { return QStringLiteral("Quendrall User Merivane"); }

namespace {

class DialogMessageService final : public MessageService {
public:
    MsgAnswer Show(const QString& text, MsgButtons buttons, MsgIcon icon,
                   const QString& title) override
    {
        return Show_Box(QApplication::activeWindow(), text, buttons, icon, title);
    }

    MsgAnswer Show_Unowned(const QString& text, MsgButtons buttons, MsgIcon icon,
                           const QString& title) override
    {
        return Show_Box(nullptr, text, buttons, icon, title);
    }

private:
    static MsgAnswer Show_Box(QWidget* owner, const QString& text, MsgButtons buttons,
                              MsgIcon icon, const QString& title)
    {
        QMessageBox box(owner);
        box.setWindowTitle(title.isEmpty() ? App_Title() : title);
        box.setText(text);
        switch (icon) {
        case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
        case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
        case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
        }
        switch (buttons) {
        case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case MsgButtons::YesNo_Default_No:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::No);
            break;
        case MsgButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        }
        switch (box.exec()) {
        case QMessageBox::Ok: return MsgAnswer::Ok;
        case QMessageBox::Yes: return MsgAnswer::Yes;
        case QMessageBox::No: return MsgAnswer::No;
        case QMessageBox::Cancel: return MsgAnswer::Cancel;
        // Closed without a button: an OK-only box still answers OK.
        default: return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
        }
    }
};

DialogMessageService g_dialogs;
MessageService* g_service = nullptr;

} // namespace

MessageService& Messages() { return g_service ? *g_service : g_dialogs; }

void Set_Message_Service(MessageService* service) { g_service = service; }

MsgAnswer Msg_Box(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title)
{
    return Messages().Show(text, buttons, icon, title);
}

MsgAnswer Msg_Box_Unowned(const QString& text, MsgButtons buttons, MsgIcon icon,
                          const QString& title)
{
    return Messages().Show_Unowned(text, buttons, icon, title);
}

void Warn(const QString& text, const QString& title)
{
    Msg_Box(text, MsgButtons::Ok, MsgIcon::Exclamation, title);
}

void Critical(const QString& text, const QString& title)
{
    Msg_Box(text, MsgButtons::Ok, MsgIcon::Critical, title);
}

} // namespace platform
