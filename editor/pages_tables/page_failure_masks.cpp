#include "editor/pages_tables/page_failure_masks.h"

#include "editor/core/failure_mask.h"
#include "editor/pages/page_widgets.h"
#include "editor/pages_tables/failure_entry_dialog.h"
#include "platform/message_service.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {
Page_Setup Setup()
{
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_Failure_Masks");
    setup.Caption = QStringLiteral("Failure Masking Data");
    setup.Secured_Caption = QStringLiteral("Failure Masks");
    setup.Secured_Tag = QStringLiteral("Item 38");
    return setup;
}

} // namespace

Page_Failure_Masks::Page_Failure_Masks() : Page_Frame(Setup())
{
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    Failure_Label = new QLabel(QStringLiteral("Level1   SRU   Failure   Type"));
    Failure_Label->setObjectName(QStringLiteral("Failure_Label"));
    Failure_Label->setFont(fixed);
    UnderLine_Label = new QLabel(QStringLiteral("______   ___   _______   ____________"));
    UnderLine_Label->setObjectName(QStringLiteral("UnderLine_Label"));
    UnderLine_Label->setFont(fixed);

    Control_38 = new QListWidget;
    Control_38->setObjectName(QStringLiteral("Control_38"));
    Control_38->setAccessibleName(Frame_Secured()->title());
    Control_38->setFont(fixed);
    // Wide enough for the longest line: an indictment whose SRU code has no
    // character and is named behind the type.
    const int longest = static_cast<int>(core::Unknown_SRU_Line(0x05FFFFFFu).size());
    const int text_width = QFontMetrics(fixed).horizontalAdvance(QString(longest, QLatin1Char('0')));
    Control_38->setMinimumWidth(std::max(320, text_width + Control_38->style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                                                  + 2 * Control_38->frameWidth() + 16));

    Control_38_Add = pages::Make_Button(QStringLiteral("Control_38_Add"), QStringLiteral("Add"));
    Control_38_Delete = pages::Make_Button(QStringLiteral("Control_38_Delete"), QStringLiteral("Delete"));
    Control_38_Modify = pages::Make_Button(QStringLiteral("Control_38_Modify"), QStringLiteral("Modify"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Control_38_Add);
    buttons->addWidget(Control_38_Delete);
    buttons->addWidget(Control_38_Modify);
    buttons->addStretch(1);
    Secured_Items()->addWidget(Failure_Label);
    Secured_Items()->addWidget(UnderLine_Label);
    Secured_Items()->addWidget(Control_38, 1);
    Secured_Items()->addLayout(buttons);

    connect(Control_38_Add, &QPushButton::clicked, this, &Page_Failure_Masks::Control_38_Add_Click);
    connect(Control_38_Delete, &QPushButton::clicked, this, &Page_Failure_Masks::Control_38_Delete_Click);
    connect(Control_38_Modify, &QPushButton::clicked, this, &Page_Failure_Masks::Control_38_Modify_Click);
}

void Page_Failure_Masks::SetVisiblity(bool bSecured, bool bUser)
{
    // The report section is written only while the secured partition is shown.
    Set_Shown(bSecured, bUser);
    Show_Own_Frame(Frame_Secured(), bSecured);
}

void Page_Failure_Masks::Dual(bool /*bDual*/)
{
    // The masks have no SDU 2 part.
}

void Page_Failure_Masks::Clear_Lists()
{
    Control_38->clear();
}

bool Page_Failure_Masks::Selection_Made()
{
    const int row = Control_38->currentRow();
    if (row >= 0 && row < Control_38->count())
        return true;
    if (Control_38->count() > 0)
        platform::Warn(QStringLiteral("Select entry first"));
    return false;
}

void Page_Failure_Masks::Control_38_Add_Click()
{
    if (Control_38->count() >= FAILURE_MASKS_MAX) {
        platform::Warn(QStringLiteral("Limit of 50 Failure Masks"), QStringLiteral("No Entries Available"));
        return;
    }
    const QString line = Failure_Entry_Dialog::Add_Entry(this);
    if (!line.isEmpty())
        Control_38->addItem(line);
}

void Page_Failure_Masks::Control_38_Delete_Click()
{
    if (!Selection_Made())
        return;
    delete Control_38->takeItem(Control_38->currentRow());
}

void Page_Failure_Masks::Control_38_Modify_Click()
{
    if (!Selection_Made())
        return;
    QListWidgetItem* item = Control_38->item(Control_38->currentRow());
    const QString line = Failure_Entry_Dialog::Modify_Entry(item->text(), this);
    if (!line.isEmpty())
        item->setText(line);
}

void Page_Failure_Masks::Write_Text_Output(QStringList& lines)
{
    if (!Show_Secured())
        return;
    if (Control_38->count() > 0) {
        lines << QStringLiteral("FAILURE MASKS:") << QString() << Failure_Label->text()
              << QString(36, QLatin1Char('-'));
        for (int i = 0; i < Control_38->count(); ++i) {
            const QString line = Control_38->item(i)->text();
            if (!line.isEmpty())
                lines << line;
        }
    } else {
        lines << QStringLiteral("No Failure Masks");
    }
    lines << QString() << QString();
}
