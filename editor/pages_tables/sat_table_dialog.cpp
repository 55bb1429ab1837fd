#include "editor/pages_tables/sat_table_dialog.h"

#include "editor/core/char_sets.h"
#include "editor/core/item_facts.h"
#include "editor/core/validation.h"
#include "editor/core/value_helpers.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_frame.h"
#include "editor/pages/page_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

// Item 91 of a satellite line the dialog starts with or cannot read: that
// of a new line.
int Default_Pref()
{
    return modSat_Table_Dialog::Sat_Row{}.Pref;
}

constexpr const core::Item_Fact& SAT_ID = core::Fact(core::Item_Fact_Id::Sat_ID);
// All that the two octal digits of a row's Sat ID hold.
constexpr const core::Item_Fact& SAT_ID_COLUMN = core::Fact(core::Item_Fact_Id::Sat_ID_Column);
// The longitude field: its spin button counts tenths, a step at a time.
constexpr const core::Item_Fact& LONGITUDE = core::Fact(core::Item_Fact_Id::Longitude_Field);
constexpr int LNG_TENTHS_MIN = static_cast<int>(LONGITUDE.Minimum * 10);
constexpr int LNG_TENTHS_MAX = static_cast<int>(LONGITUDE.Maximum * 10);
constexpr int LNG_TENTHS_STEP = static_cast<int>(LONGITUDE.Step * 10);

// The longitude as its field shows it, with one decimal.
QString Longitude_Text(double degrees)
{
    return core::Format_Fixed(degrees, core::Decimals(LONGITUDE));
}

QLabel* Make_Label(QWidget* parent, const QString& name, const char* caption)
{
    return pages::Make_Label(name, QString::fromLatin1(caption), QString(), parent);
}

QString Tenths_Text(int tenths)
{
    return core::Format_Fixed(tenths / 10.0, 1);
}

} // namespace

Sat_Table_Dialog::Sat_Table_Dialog(QWidget* owner) : QDialog(owner)
{
    using namespace modSat_Table_Dialog;
    setObjectName(QStringLiteral("Sat_Table_Dialog"));
    setWindowTitle(QStringLiteral("Satellite Information"));
    setModal(true);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    Label_Sat_ID = Make_Label(this, QStringLiteral("Label_Sat_ID"), "SAT ID");
    Control_Sat_ID = new QLineEdit(this);
    Control_Sat_ID->setObjectName(QStringLiteral("Control_Sat_ID"));
    Control_Sat_ID->setMaxLength(core::Text_Length(SAT_ID));
    Control_Sat_ID->setFont(fixed);
    Control_Sat_ID->setToolTip(core::Tooltip_Text(SAT_ID));
    pages::Bind_Field(Control_Sat_ID, core::Chars::Octal, pages::Fact_Check(SAT_ID, pages::Caption_Of(Label_Sat_ID)));

    // The name admits no blank: the table line is split at blanks.
    Label_Sat_Name = Make_Label(this, QStringLiteral("Label_Sat_Name"), "Sat Name");
    Control_Sat_Name = new QLineEdit(this);
    Control_Sat_Name->setObjectName(QStringLiteral("Control_Sat_Name"));
    Control_Sat_Name->setMaxLength(SAT_NAME_MAX);
    Control_Sat_Name->setFont(fixed);
    pages::Bind_Field(Control_Sat_Name, core::Chars::Part_Number,
                      pages::String_Check(core::Chars::Part_Number, pages::Caption_Of(Label_Sat_Name)));

    Frame_91 = new QGroupBox(this);
    Frame_91->setObjectName(QStringLiteral("Frame_91"));
    Set_Tag(Frame_91, QStringLiteral("Item 91"));
    Label_91 = Make_Label(Frame_91, QStringLiteral("Label_91"), "Preference Selection");
    Control_91 = new QComboBox(Frame_91);
    Control_91->setObjectName(QStringLiteral("Control_91"));
    Control_91->addItems({QStringLiteral("Not Considered (0)"), QStringLiteral("Considered (1)")});
    Control_91->setToolTip(QStringLiteral("Default: ") + Control_91->itemText(Default_Pref()));
    auto* frame_91 = new QHBoxLayout(Frame_91);
    frame_91->addWidget(Label_91);
    frame_91->addWidget(Control_91, 1);

    Frame_95 = new QGroupBox(this);
    Frame_95->setObjectName(QStringLiteral("Frame_95"));
    Set_Tag(Frame_95, QStringLiteral("Item 95"));
    const char* const lng_labels[3] = {"Services Offered", LONGITUDE.Title, "degrees"};
    for (int i = 0; i < 3; ++i)
        Label_95[i] = Make_Label(Frame_95, Array_Name(QStringLiteral("Label_95"), i), lng_labels[i]);
    auto* frame_95 = new QGridLayout(Frame_95);
    frame_95->addWidget(Label_95[0], 0, 0, 1, 3);
    for (int k = 0; k < SAT_SERVICE_COUNT; ++k) {
        auto* box = new QCheckBox(QString::fromLatin1(Sat_Services()[k].Caption), Frame_95);
        box->setObjectName(Array_Name(QStringLiteral("Control_95_Srv"), k));
        Set_Tag(box, QString::fromLatin1(Sat_Services()[k].Code));
        Control_95_Srv[k] = box;
        frame_95->addWidget(box, 1 + k / 3, k % 3);
    }
    Control_95_Lng = new QLineEdit(Longitude_Text(LONGITUDE.Default), Frame_95);
    Control_95_Lng->setObjectName(QStringLiteral("Control_95_Lng"));
    // The tooltip states the range of a satellite's longitude.
    Control_95_Lng->setToolTip(core::Tooltip_Text(core::Fact(core::Item_Fact_Id::Longitude)));
    pages::Bind_Field(Control_95_Lng, core::Chars::Signed_Real, [this](const QString& text, bool& cancel) {
        return Check_Longitude(text, cancel);
    });
    UpDown_95_Lng = new pages::Up_Down(Frame_95);
    UpDown_95_Lng->setObjectName(QStringLiteral("UpDown_95_Lng"));
    UpDown_95_Lng->Set_Step(Control_95_Lng, [this](bool up) {
        Set_Longitude_Tenths(lng_tenths_ + (up ? LNG_TENTHS_STEP : -LNG_TENTHS_STEP));
        Control_95_Lng->setText(Tenths_Text(lng_tenths_));
    });
    auto* lng_row = new QHBoxLayout;
    lng_row->addWidget(Label_95[1]);
    lng_row->addWidget(Control_95_Lng);
    lng_row->addWidget(UpDown_95_Lng);
    lng_row->addWidget(Label_95[2]);
    frame_95->addLayout(lng_row, 3, 0, 1, 3);

    Label1 = Make_Label(this, QStringLiteral("Label1"),
                        "To set the longitude, also select a service, otherwise the default "
                        "longitude will be stored.");
    Label1->setWordWrap(true);

    pages::Label_Field(Label_Sat_ID, Control_Sat_ID);
    pages::Label_Field(Label_Sat_Name, Control_Sat_Name);
    pages::Label_Field(Label_91, Control_91);
    pages::Label_Field(Label_95[1], Control_95_Lng);

    const pages::OK_Cancel ok_cancel = pages::Make_OK_Cancel(this);
    OKButton = ok_cancel.OK;
    CancelButton = ok_cancel.Cancel;

    auto* fields = new QGridLayout;
    fields->addWidget(Label_Sat_ID, 0, 0);
    fields->addWidget(Control_Sat_ID, 0, 1);
    fields->addWidget(Label_Sat_Name, 1, 0);
    fields->addWidget(Control_Sat_Name, 1, 1);
    QHBoxLayout* buttons = ok_cancel.Row;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(Frame_91);
    layout->addWidget(Frame_95);
    layout->addWidget(Label1);
    layout->addLayout(buttons);

    connect(OKButton, &QPushButton::clicked, this, &Sat_Table_Dialog::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &Sat_Table_Dialog::CancelButton_Click);
}

void Sat_Table_Dialog::Set_Longitude_Tenths(int tenths)
{
    lng_tenths_ = std::clamp(tenths, LNG_TENTHS_MIN, LNG_TENTHS_MAX);
}

QString Sat_Table_Dialog::Check_Longitude(const QString& text, bool& cancel)
{
    const QString result = pages::Fact_Check(LONGITUDE, pages::Fixed_Title(Label_95[1]->text()))(text, cancel);
    // The spin button follows, on the nearest step.
    const double value = core::Parse_Number(result).value_or(LONGITUDE.Default);
    Set_Longitude_Tenths(static_cast<int>(std::lround(value / LONGITUDE.Step)) * LNG_TENTHS_STEP);
    return result;
}

void Sat_Table_Dialog::Clear_Fields()
{
    Control_Sat_ID->clear();
    Control_Sat_Name->clear();
    Control_95_Lng->clear();
    Control_91->setCurrentIndex(Default_Pref());
    for (QCheckBox* box : Control_95_Srv)
        box->setChecked(false);
    Set_Longitude_Tenths(0);
}

void Sat_Table_Dialog::Load_Row(const modSat_Table_Dialog::Sat_Row& row)
{
    using namespace modSat_Table_Dialog;
    Control_Sat_ID->setText(Sat_ID_Text(row.Sat_ID));
    Control_Sat_Name->setText(row.Name);
    Control_91->setCurrentIndex((row.Pref < 0 || row.Pref > 1) ? Default_Pref() : row.Pref);
    for (int k = 0; k < SAT_SERVICE_COUNT; ++k)
        Control_95_Srv[k]->setChecked((row.Services >> k) & 1);
    const QString lng = Longitude_Text(QString::number(row.Longitude, 'g', 9).toDouble());
    Control_95_Lng->setText(lng);
    Set_Longitude_Tenths(static_cast<int>(std::lround(core::Parse_Number(lng).value_or(0.0) * 10.0)));
}

modSat_Table_Dialog::Sat_Row Sat_Table_Dialog::Read_Row() const
{
    using namespace modSat_Table_Dialog;
    Sat_Row row;
    bool ok = false;
    const int id = Control_Sat_ID->text().toInt(&ok, 8);
    row.Sat_ID = (ok && id >= 0 && id <= SAT_ID_COLUMN.Maximum) ? static_cast<std::int16_t>(id) : std::int16_t{0};
    row.Name = Control_Sat_Name->text();
    row.Pref = static_cast<std::int16_t>(Control_91->currentIndex() < 0 ? Default_Pref() : Control_91->currentIndex());
    int services = 0;
    for (int k = 0; k < SAT_SERVICE_COUNT; ++k)
        if (Control_95_Srv[k]->isChecked())
            services |= 1 << k;
    row.Services = static_cast<std::int16_t>(services);
    row.Longitude = static_cast<float>(Leading_Number(Control_95_Lng->text()).value_or(0.0));
    return row;
}

void Sat_Table_Dialog::OKButton_Click()
{
    if (pages::Validate_Window(this))
        return;
    // An empty SAT ID is never taken as 00 unseen: its check puts the
    // default in with its box, and the user looks again.
    if (Control_Sat_ID->text().isEmpty()) {
        static_cast<void>(pages::Validate_Field(Control_Sat_ID));
        Control_Sat_ID->setFocus(Qt::OtherFocusReason);
        return;
    }
    accept();
}

void Sat_Table_Dialog::CancelButton_Click()
{
    reject();
}

void Sat_Table_Dialog::reject()
{
    Control_Sat_ID->clear();
    Control_Sat_Name->clear();
    Control_91->setCurrentIndex(Default_Pref());
    for (QCheckBox* box : Control_95_Srv)
        box->setChecked(false);
    Control_95_Lng->setText(Longitude_Text(LONGITUDE.Default));
    QDialog::reject();
}

namespace modSat_Table_Dialog {

void Sat_Dialog_To_Row(Sat_Table_Dialog& dialog, Sat_Row& row)
{
    dialog.Clear_Fields();
    dialog.exec();
    row = dialog.Read_Row();
}

void Sat_Row_To_Dialog(Sat_Table_Dialog& dialog, Sat_Row& row)
{
    dialog.Load_Row(row);
    dialog.exec();
    row = dialog.Read_Row();
}

} // namespace modSat_Table_Dialog
