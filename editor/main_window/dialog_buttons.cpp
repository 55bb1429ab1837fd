#include "editor/main_window/dialog_buttons.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace main_window {

namespace {

QPushButton* Make_Button(QWidget* parent, const char* name, const char* caption)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

Dialog_Buttons Make_Dialog_Buttons(QWidget* dialog)
{
    Dialog_Buttons buttons{};
    buttons.OK = Make_Button(dialog, "OKButton", "OK");
    buttons.Cancel = Make_Button(dialog, "CancelButton", "Cancel");
    buttons.Row = new QHBoxLayout;
    buttons.Row->addStretch(1);
    buttons.Row->addWidget(buttons.OK);
    buttons.Row->addWidget(buttons.Cancel);
    return buttons;
}

} // namespace main_window
