// The secured controls of a new, opened or converted ORT: factory defaults,
// which controls are shown, the fixed values of airframer ORTs and which
// controls may be edited.
#include "editor/secured_partition/secured_controls.h"
#include "editor/secured_partition/secured_items.h"
#include "editor/secured_partition/secured_mod.h"

#include "editor/core/item_facts.h"
#include "editor/core/ort_types.h"
#include "editor/core/type_choice.h"
#include "editor/page_set/page_set.h"
#include "editor/pages/default_tips.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_frame.h"
#include "editor/pages_tables/transit_ges_cell.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Secured_Mod {

namespace {

using Getter = QWidget* (*)(const Page_Set&);
using Id = core::Item_Fact_Id;

#define PAGE(page, name) [](const Page_Set& p) -> QWidget* { return p.page().name; }
#define MAIN(name) [](const Page_Set& p) -> QWidget* { return p.Main.name; }

// Shown exactly when Feature_Level is 0.
const Getter LEVEL_0_SHOWN[] = {
    [](const Page_Set& p) -> QWidget* { return p.Cockpit_Voice().Label_Sec_L0[8]; },
    [](const Page_Set& p) -> QWidget* { return p.Cockpit_Voice().Label_Sec_L0[9]; },
    PAGE(Cockpit_Voice, Frame_SDU1),
    PAGE(Cockpit_Voice, Frame_SDU2),
    [](const Page_Set& p) -> QWidget* { return p.General().Label_Sec_L0[12]; },
    PAGE(General, Control_27a),
    PAGE(General, Control_27b),
};

// Always shown.
const Getter ALWAYS_SHOWN[] = {
    PAGE(General, Control_01),
    PAGE(General, Control_18),
    PAGE(General, Control_30),
    PAGE(General, Control_47a),
    PAGE(General, Control_47b),
    PAGE(General, Control_51a),
    PAGE(General, Control_51b),
    PAGE(General, Control_52),
    PAGE(General, Control_54),
    [](const Page_Set& p) -> QWidget* { return p.Cabin().Label_Sec_L1[0]; },
    PAGE(Cabin, Control_59),
    PAGE(Cabin, UpDown_59),
    [](const Page_Set& p) -> QWidget* { return p.General().Label_Sec_L1[0]; },
    PAGE(General, Control_60),
};

// Editable exactly when Airframer_Level is 0.
const Getter STANDARD_EDITABLE[] = {
    PAGE(Cockpit_Voice, Control_31),
    PAGE(Cockpit_Voice, Control_32),
    PAGE(Cockpit_Voice, Control_43),
    MAIN(Control_53),
};

// Editable exactly when Airframer_Level is below 2 (the transit cells
// follow in code).
const Getter LOW_AIRFRAMER_EDITABLE[] = {
    PAGE(General, Control_01),
    PAGE(Power, Control_22a),
    PAGE(Power, Control_22b),
    PAGE(Power, UpDown_22a),
    PAGE(Power, UpDown_22b),
    PAGE(Cabin, Control_23a),
    PAGE(Cabin, Control_23b),
    PAGE(Power, Control_28a1),
    PAGE(Power, Control_28a2),
    PAGE(Power, Control_28b1),
    PAGE(Power, Control_28b2),
    PAGE(Power, UpDown_28a1),
    PAGE(Power, UpDown_28a2),
    PAGE(Power, UpDown_28b1),
    PAGE(Power, UpDown_28b2),
    PAGE(Power, Control_29a1),
    PAGE(Power, Control_29a2),
    PAGE(Power, Control_29b1),
    PAGE(Power, Control_29b2),
    PAGE(Power, UpDown_29a1),
    PAGE(Power, UpDown_29a2),
    PAGE(Power, UpDown_29b1),
    PAGE(Power, UpDown_29b2),
    PAGE(General, Control_30),
    PAGE(General, UpDown_30),
    PAGE(Transit_GES, Control_41_Reset),
    PAGE(Cockpit_Voice, Control_42),
    PAGE(Power, Control_44),
    PAGE(General, Control_47a),
    PAGE(General, Control_47b),
    PAGE(Dual, Control_50),
    PAGE(General, Control_51a),
    PAGE(General, Control_51b),
    PAGE(General, Control_52),
    PAGE(Power, Control_57a),
    PAGE(Power, Control_57b),
};

#undef PAGE
#undef MAIN

QWidget* Widget(Getter getter, const Page_Set& pages)
{
    return Require(getter(pages), "secured control");
}

template <class T>
T* As(Getter getter, const Page_Set& pages)
{
    T* control = qobject_cast<T*>(Widget(getter, pages));
    return Require(control, "secured control of another kind");
}

// The row's factory default into its control; rows without one here are
// left to the code of the defaults step.
void Set_Default(const Item_Row& row, const Page_Set& pages)
{
    switch (row.kind) {
    case Kind::List:
    case Kind::Priority:
        if (row.default_index != NO_DEFAULT_INDEX)
            Control_Of<QComboBox>(row, pages)->setCurrentIndex(row.default_index);
        break;
    case Kind::Number:
    case Kind::Tenths:
        Control_Of<QLineEdit>(row, pages)->setText(core::Default_Text(Fact_Of(row)));
        break;
    case Kind::Text:
        if (row.default_text)
            Control_Of<QLineEdit>(row, pages)->setText(QString::fromLatin1(row.default_text));
        break;
    case Kind::Failure_Masks:
    case Kind::Transit:
        break;
    }
}

bool Secured_Absent()
{
    return core::Versions().Secured_Current.Partition_Version == core::PARTITION_ABSENT;
}

void Prepare(Page_Set& pages)
{
    Set_Secured_Default_Values(pages);
    Set_Secured_Visibility(pages);
    Set_Secured_Captions(pages);
    Set_Secured_Enabled(pages);
}

} // namespace

void Set_Secured_Default_Values(Page_Set& pages)
{
    const core::Type_Choice& chosen = core::Chosen_Type();
    for (const Item_Row& row : Items())
        Set_Default(row, pages);
    Require(pages.General().Control_27a, "Control_27a")->setCurrentIndex(chosen.RFU_Default_Index);
    Require(pages.General().Control_27b, "Control_27b")->setCurrentIndex(chosen.RFU_Default_Index);
    Set_Tag(Require(pages.Cabin().Control_59, "Control_59"),
            core::Default_Text(core::Fact(Id::Item_59_Companion)));
    for (QPushButton* cell : pages.Transit_GES().Control_41)
        Require(cell, "Control_41")->setText(transit::NO_GES_CELL);
    Require(pages.Main.Control_87, "Control_87")->setText(chosen.Secured_Part_Number_Text);
}

void Set_Secured_Default_Tips(Page_Set& pages)
{
    for (const Item_Row& row : Items()) {
        QWidget* const widget = row.control ? row.control(pages) : nullptr;
        if (!widget)
            continue;
        auto* const list = qobject_cast<QComboBox*>(widget);
        if (list && row.default_index != NO_DEFAULT_INDEX)
            pages::Fill_Default_Tip(list, row.default_index);
        else if (row.kind == Kind::Text && row.default_text)
            pages::Fill_Default_Tip(widget, QString::fromLatin1(row.default_text));
    }
}

void Set_Secured_Visibility(Page_Set& pages)
{
    const core::ORT_Version_Info& current = core::Versions().Secured_Current;
    const bool level_0 = current.Feature_Level == 0;
    for (Getter getter : LEVEL_0_SHOWN)
        Widget(getter, pages)->setVisible(level_0);
    for (Getter getter : ALWAYS_SHOWN)
        Widget(getter, pages)->setVisible(true);
    const bool part_number = current.Feature_Level >= 2;
    Require(pages.Main.Label_87, "Label_87")->setVisible(part_number);
    QLineEdit* control_87 = Require(pages.Main.Control_87, "Control_87");
    control_87->setVisible(part_number);
    control_87->setEnabled(current.Airframer_Level < 3);
}

void Set_Secured_Captions(Page_Set& pages)
{
    const int level = core::Versions().Secured_Current.Airframer_Level;
    if (level == 0)
        return;
    Page_Cockpit_Voice& voice = pages.Cockpit_Voice();
    Require(voice.Control_31, "Control_31")->setCurrentIndex(1);
    Require(voice.Control_32, "Control_32")->setCurrentIndex(1);
    Require(voice.Control_43, "Control_43")->setCurrentIndex(3);
    Require(pages.Main.Control_53, "Control_53")
        ->setText(QString::fromLatin1(AIRFRAMER_DESCRIPTION));
    if (level < 2)
        return;
    Require(pages.Cabin().Control_23a, "Control_23a")->setCurrentIndex(0);
    Require(pages.Cabin().Control_23b, "Control_23b")->setCurrentIndex(0);
    const core::Item_Fact& sidetone = core::Fact(Id::Item_46b);
    Require(voice.Control_46b, "Control_46b")
        ->setText(core::Value_Text(sidetone, sidetone.Airframer_Value.value()));
    Require(pages.General().Control_54, "Control_54")->setCurrentIndex(3);
}

void Set_Secured_Enabled(Page_Set& pages)
{
    const int level = core::Versions().Secured_Current.Airframer_Level;
    for (Getter getter : STANDARD_EDITABLE)
        Widget(getter, pages)->setEnabled(level == 0);
    for (Getter getter : LOW_AIRFRAMER_EDITABLE)
        Widget(getter, pages)->setEnabled(level < 2);
    for (QPushButton* cell : pages.Transit_GES().Control_41)
        Require(cell, "Control_41")->setEnabled(level < 2);
}

void Set_Secured_Defaults_New(Page_Set& pages)
{
    if (Secured_Absent())
        return;
    Prepare(pages);
}

void Convert_Secured(Page_Set& pages)
{
    if (Secured_Absent())
        return;
    Prepare(pages);
    Update_GUI(pages);
    Update_Data(pages);
}

} // namespace Secured_Mod
