#include "editor/main_window/dialog_buttons.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace main_window {

QPushButton* Make_Dialog_Button(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

Dialog_Buttons Make_Dialog_Buttons(QWidget* dialog)
{
    Dialog_Buttons buttons{};
    buttons.OK = Make_Dialog_Button(dialog, "OKButton", QStringLiteral("OK"));
    buttons.Cancel = Make_Dialog_Button(dialog, "CancelButton", QStringLiteral("Cancel"));
    for (QPushButton* button : {buttons.OK, buttons.Cancel})
        button->setAutoDefault(true);
    buttons.OK->setDefault(true);
    buttons.Row = new QHBoxLayout;
    buttons.Row->addStretch(1);
    buttons.Row->addWidget(buttons.OK);
    buttons.Row->addWidget(buttons.Cancel);
    return buttons;
}

} // namespace main_window
