#include "editor/main_window/pn_formal_dialog.h"

#include "editor/core/ort_types.h"
#include "platform/message_service.h"

#include <QLineEdit>
#include <array>

PN_Formal_Dialog::PN_Formal_Dialog(Context context, QWidget* owner)
    : PN_Dialog_Form(false, owner), context_(std::move(context))
{
    setObjectName(QStringLiteral("PN_Formal_Dialog"));
}

QLineEdit* PN_Formal_Dialog::Target_Box() const
{
    const core::Version_State& versions = core::Versions();
    if (versions.User_Current.Partition_Version != core::PARTITION_ABSENT)
        return context_.Control_86;
    if (versions.Secured_Current.Partition_Version != core::PARTITION_ABSENT)
        return context_.Control_87;
    return nullptr;
}

void PN_Formal_Dialog::Prepare(bool change)
{
    change_ = change;
    const QLineEdit* box = Target_Box();
    Load(change ? main_window::PN_Use::Change : main_window::PN_Use::Confirm,
         box ? box->text() : QString());
}

void PN_Formal_Dialog::ConfirmPN()
{
    Prepare(false);
    Show_Modal();
}

void PN_Formal_Dialog::ChangePN()
{
    Prepare(true);
    Show_Modal();
}

void PN_Formal_Dialog::CloseButton_Click()
{
    if (!Compose_For_Close())
        return;
    const QString part_number = Arinc665_PN()->text();
    if (change_) {
        const auto text_of = [](const QLineEdit* box) { return box ? box->text() : QString(); };
        const auto stored = [](const std::function<QString()>& source) {
            return source ? source() : QString();
        };
        const std::array<QString, 4> earlier = {
            stored(context_.Stored_Secured_PN), stored(context_.Stored_User_PN),
            text_of(context_.Control_87), text_of(context_.Control_86)};
        if (main_window::PN_Is_Unchanged(part_number, earlier)) {
            platform::Warn(main_window::PN_New_Number_Needed_Text(),
                           main_window::PN_Dialog_Caption());
            return;
        }
    }
    if (QLineEdit* box = Target_Box())
        box->setText(part_number);
    accept();
}
