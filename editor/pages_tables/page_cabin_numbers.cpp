#include "editor/pages_tables/page_cabin_numbers.h"

#include "editor/core/char_sets.h"
#include "editor/core/list_helpers.h"
#include "editor/core/text_helpers.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_widgets.h"
#include "editor/pages_tables/text_drop.h"
#include "platform/message_service.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

Page_Setup Setup()
{
    Page_Setup setup;
    setup.Name = QStringLiteral("Page_Cabin_Numbers");
    setup.Caption = QStringLiteral("Cabin Phone Numbers");
    setup.User_Caption = QStringLiteral("Stored APHONE [WH-10] Telephone Numbers");
    setup.User_Tag = QStringLiteral("Item 16");
    return setup;
}

constexpr int NUMBER_LENGTH = 18;

// The text of a slot that holds no number.
const QString EMPTY_NUMBER(NUMBER_LENGTH, QLatin1Char('-'));

bool Is_Empty_Number(const QString& text)
{
    return core::Format_Phone_Number(core::Strip_At_Null(text)) == EMPTY_NUMBER;
}

// A slot in its stored form: digits and minus signs, 18 characters; what
// came NUL-padded keeps only the part before the first NUL.
QString Normal_Number(const QString& text)
{
    return core::Format_Phone_Number(core::Strip_At_Null(text));
}

// While the type dialog is up, the partition code is putting values into
// the page, and option changes are not the user's.
bool Type_Dialog_Shown()
{
    for (const QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("ORT_Type_Dialog") && widget->isVisible())
            return true;
    return false;
}

QString Report_Row(int index, const QLineEdit* a, const QLineEdit* b)
{
    return QString::number(index) + QStringLiteral(". ") +
           core::Pad_Right_Spaces(a->text(), NUMBER_LENGTH) + QStringLiteral(" | ") +
           core::Pad_Right_Spaces(b->text(), NUMBER_LENGTH);
}

} // namespace

Page_Cabin_Numbers::Page_Cabin_Numbers() : Page_Frame(Setup())
{
    Frame_SDU1 = Make_SDU_Frame(0);
    Frame_SDU2 = Make_SDU_Frame(1);
    auto* row = new QHBoxLayout;
    row->addWidget(Frame_SDU1);
    row->addWidget(Frame_SDU2);
    row->addStretch(1);
    User_Items()->addLayout(row);

    for (int sdu = 0; sdu < 2; ++sdu) {
        const Slot_Array& a = Slots(sdu, 0);
        const Slot_Array& b = Slots(sdu, 1);
        // A shared channel B follows channel A. It copies the slot's text as
        // it is now: a change signal may arrive after the field has already
        // filtered what the user put in, carrying the unfiltered text.
        for (int k = 1; k <= SLOT_COUNT; ++k) {
            QLineEdit* source = a[static_cast<std::size_t>(k)];
            QLineEdit* target = b[static_cast<std::size_t>(k)];
            connect(source, &QLineEdit::textChanged, this, [this, sdu, source, target] {
                if (Is_Shared(sdu))
                    target->setText(source->text());
            });
        }
        const Option_Array& options = Options(sdu);
        connect(options[0], &QRadioButton::toggled, this, [this, sdu](bool checked) {
            if (checked)
                Separate_Click(sdu);
        });
        // Only the user's own click asks; "Shared" put in by code (a load, the
        // defaults) never asks, copies or disables anything.
        connect(options[1], &QRadioButton::clicked, this, [this, sdu](bool checked) {
            if (checked)
                Shared_Click(sdu);
        });
        Make_Drop_Target(sdu, 0);
        Make_Drop_Target(sdu, 1);
    }
}

QGroupBox* Page_Cabin_Numbers::Make_SDU_Frame(int sdu)
{
    const QString number = QString::number(sdu + 1);
    QGroupBox* frame = pages::Make_Group(QStringLiteral("Frame_SDU") + number,
                                         QStringLiteral("SDU ") + number);

    Option_Array& options = sdu == 0 ? Control_26a : Control_26b;
    const QString option_name = sdu == 0 ? QStringLiteral("Control_26a") : QStringLiteral("Control_26b");
    auto* group = new QButtonGroup(frame);
    auto* option_row = new QHBoxLayout;
    const char* const captions[] = {"Separate", "Shared"};
    for (int k = 0; k < 2; ++k) {
        auto* option = new QRadioButton(QString::fromLatin1(captions[k]), frame);
        option->setObjectName(Array_Name(option_name, k));
        option->setAccessibleName(option->text() + QLatin1Char(' ') + frame->title());
        group->addButton(option, k);
        options[static_cast<std::size_t>(k)] = option;
        option_row->addWidget(option);
    }
    options[0]->setChecked(true);
    option_row->addStretch(1);

    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    auto* grid = new QGridLayout;
    // Each row of slots is named by its number and each slot by its column
    // and its SDU.
    std::array<QLabel*, SLOT_COUNT + 1> row_labels{};
    for (int k = 1; k <= SLOT_COUNT; ++k) {
        row_labels[static_cast<std::size_t>(k)] = new QLabel(QString::number(k), frame);
        grid->addWidget(row_labels[static_cast<std::size_t>(k)], k, 0);
    }
    const char* const channels[] = {"Channel A", "Channel B"};
    for (int channel = 0; channel < 2; ++channel) {
        const int label_index = sdu * 2 + channel;
        auto* label = new QLabel(QString::fromLatin1(channels[channel]), frame);
        label->setObjectName(Array_Name(QStringLiteral("Label_Static"), label_index));
        Label_Static[static_cast<std::size_t>(label_index)] = label;
        grid->addWidget(label, 0, channel + 1);

        Slot_Array& channel_slots = Slot_Ref(sdu, channel);
        const QString name = QStringLiteral("Control_16_Sat") + number +
                             (channel == 0 ? QStringLiteral("_ChA") : QStringLiteral("_ChB"));
        for (int k = 1; k <= SLOT_COUNT; ++k) {
            auto* slot = new QLineEdit(EMPTY_NUMBER, frame);
            slot->setObjectName(Array_Name(name, k));
            slot->setMaxLength(NUMBER_LENGTH);
            slot->setFont(font);
            pages::Fit_To_Length(slot, NUMBER_LENGTH);
            pages::Label_Field(row_labels[static_cast<std::size_t>(k)], slot,
                               label->text() + QLatin1Char(' ') + frame->title());
            tables::Set_Drop_Colour(slot, false);
            // A number that comes NUL-padded shows only the part before the NUL.
            connect(slot, &QLineEdit::textChanged, slot, [slot](const QString& text) {
                const QString shown = core::Strip_At_Null(text);
                if (shown != text)
                    slot->setText(shown);
            });
            // No warning: leaving a slot only puts its number into the stored form.
            pages::Bind_Field(
                slot, core::Chars::Signed_Digits,
                [](const QString& text, bool& cancel) {
                    cancel = false;
                    return Normal_Number(text);
                },
                pages::Focus_Rule::Move_On);
            channel_slots[static_cast<std::size_t>(k)] = slot;
            grid->addWidget(slot, k, channel + 1);
        }
    }

    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(option_row);
    layout->addLayout(grid);
    return frame;
}

void Page_Cabin_Numbers::Make_Drop_Target(int sdu, int channel)
{
    const Slot_Array& channel_slots = Slots(sdu, channel);
    QList<QWidget*> widgets;
    for (int k = 1; k <= SLOT_COUNT; ++k)
        widgets.append(channel_slots[static_cast<std::size_t>(k)]);
    tables::Drop_Handlers handlers;
    if (channel == 1)
        handlers.Accepts = [this, sdu] { return !Is_Shared(sdu); };
    handlers.Highlight = [this, sdu, channel](bool dragging) { Highlight_Empty(sdu, channel, dragging); };
    handlers.Drop = [this, sdu, channel](const QStringList& pieces) { Drop_Text(sdu, channel, pieces); };
    new tables::Text_Drop_Target(widgets, std::move(handlers), this);
}

const Page_Cabin_Numbers::Slot_Array& Page_Cabin_Numbers::Slots(int sdu, int channel) const
{
    if (sdu == 0)
        return channel == 0 ? Control_16_Sat1_ChA : Control_16_Sat1_ChB;
    return channel == 0 ? Control_16_Sat2_ChA : Control_16_Sat2_ChB;
}

Page_Cabin_Numbers::Slot_Array& Page_Cabin_Numbers::Slot_Ref(int sdu, int channel)
{
    if (sdu == 0)
        return channel == 0 ? Control_16_Sat1_ChA : Control_16_Sat1_ChB;
    return channel == 0 ? Control_16_Sat2_ChA : Control_16_Sat2_ChB;
}

const Page_Cabin_Numbers::Option_Array& Page_Cabin_Numbers::Options(int sdu) const
{
    return sdu == 0 ? Control_26a : Control_26b;
}

bool Page_Cabin_Numbers::Is_Shared(int sdu) const
{
    return Options(sdu)[1]->isChecked();
}

void Page_Cabin_Numbers::Separate_Click(int sdu)
{
    const Slot_Array& b = Slots(sdu, 1);
    for (int k = 1; k <= SLOT_COUNT; ++k)
        b[static_cast<std::size_t>(k)]->setEnabled(true);
}

void Page_Cabin_Numbers::Shared_Click(int sdu)
{
    // Values put in while the page is hidden or the type dialog is up come
    // from a load or the defaults: nothing is asked, copied or disabled.
    if (!isVisible() || Type_Dialog_Shown())
        return;
    const QString title =
        QStringLiteral("SDU ") + QString::number(sdu + 1) + QStringLiteral(" Shared Cabin Numbers");
    const platform::MsgAnswer answer =
        platform::Msg_Box(QStringLiteral("The Channel A numbers will be copied to Channel B, continue?"),
                          platform::MsgButtons::OkCancel, platform::MsgIcon::None, title);
    if (answer != platform::MsgAnswer::Ok) {
        Options(sdu)[0]->setChecked(true);
        return;
    }
    const Slot_Array& a = Slots(sdu, 0);
    const Slot_Array& b = Slots(sdu, 1);
    for (int k = 1; k <= SLOT_COUNT; ++k) {
        const auto i = static_cast<std::size_t>(k);
        b[i]->setText(a[i]->text());
        b[i]->setEnabled(false);
    }
}

void Page_Cabin_Numbers::Highlight_Empty(int sdu, int channel, bool dragging)
{
    const Slot_Array& channel_slots = Slots(sdu, channel);
    for (int k = 1; k <= SLOT_COUNT; ++k) {
        QLineEdit* slot = channel_slots[static_cast<std::size_t>(k)];
        tables::Set_Drop_Colour(slot, dragging && Is_Empty_Number(slot->text()));
    }
}

int Page_Cabin_Numbers::Drop_Text(int sdu, int channel, const QStringList& pieces)
{
    const Slot_Array& channel_slots = Slots(sdu, channel);
    Highlight_Empty(sdu, channel, false);
    if (channel == 1 && Is_Shared(sdu))
        return 0; // a shared channel B only ever mirrors channel A
    int placed = 0;
    for (const QString& piece : pieces) {
        QLineEdit* free_slot = nullptr;
        for (int k = 1; k <= SLOT_COUNT && !free_slot; ++k)
            if (Is_Empty_Number(channel_slots[static_cast<std::size_t>(k)]->text()))
                free_slot = channel_slots[static_cast<std::size_t>(k)];
        if (!free_slot) {
            tables::Warn_After_Drop(this, tables::Drop_Full_Message(placed));
            return placed;
        }
        free_slot->setText(core::Format_Phone_Number(piece));
        ++placed;
    }
    return placed;
}

void Page_Cabin_Numbers::Write_Text_Output(QStringList& lines)
{
    const QString heading = QStringLiteral("    APHONE A          |  APHONE B");
    lines << QStringLiteral("CABIN TELEPHONE NUMBERS:") << QString();
    for (int sdu = 0; sdu < (Dual_Mode() ? 2 : 1); ++sdu) {
        if (sdu == 1)
            lines << QString();
        lines << QStringLiteral("FOR SDU ") + QString::number(sdu + 1) + QLatin1Char(':') << heading;
        const Slot_Array& a = Slots(sdu, 0);
        const Slot_Array& b = Slots(sdu, 1);
        for (int k = 1; k <= SLOT_COUNT; ++k)
            lines << Report_Row(k, a[static_cast<std::size_t>(k)], b[static_cast<std::size_t>(k)]);
    }
}

void Page_Cabin_Numbers::SetVisiblity(bool bSecured, bool bUser)
{
    Set_Shown(bSecured, bUser);
    Show_Own_Frame(Frame_User(), bUser);
}
