#include "editor/user_partition/user_presentation.h"

#include "editor/core/type_choice.h"
#include "editor/page_set/page_set.h"
#include "editor/pages/default_tips.h"
#include "editor/pages/page_widgets.h"
#include "editor/pages_tables/sat_table_dialog.h"
#include "editor/user_partition/user_defaults.h"
#include "editor/user_partition/user_item_numbers.h"
#include "editor/user_partition/user_items.h"
#include "editor/user_partition/user_v8_controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace User_Mod {

namespace {


QString Default_Text(const User_Item_Row& row)
{
    switch (row.Default.Text_Kind) {
    case Item_Default_Text::Part_Number: return core::Chosen_Type().User_Part_Number_Text;
    case Item_Default_Text::Octet: return QString::number(row.Default.Octet(static_cast<std::int16_t>(row.Part)));
    case Item_Default_Text::Fact: return core::Default_Text(Item_Fact_Of(row));
    // A MAC address byte shows its hexadecimal digits without leading zeros.
    case Item_Default_Text::Fact_Hex: return QString::number(static_cast<int>(Item_Fact_Of(row).Default), 16).toUpper();
    default: return QString::fromLatin1(row.Default.Text);
    }
}

// A row's control as a new ORT shows it.
void Set_Row_Default(const User_Item_Row& row, Page_Set& pages)
{
    QWidget* const widget = Item_Widget(row, pages);
    if (!widget)
        return;
    if (row.List) {
        row.List(pages)->setCurrentIndex(row.Default.Index);
    } else if (row.Option) {
        row.Option(pages, row.Default.Index)->setChecked(true);
    } else if (row.Text) {
        row.Text(pages)->setText(Default_Text(row));
    } else {
        Set_Number_Default(pages, row);
    }
    if (row.Default.Tag)
        Set_Tag(widget, QString::fromLatin1(row.Default.Tag));
    if (row.Default.Disabled)
        widget->setEnabled(false);
}

// Every cabin number empty, the channel-B boxes disabled as the shared
// numbers of a new ORT leave them.
void Cabin_Numbers_Defaults(Page_Set& pages)
{
    const QString none(18, QLatin1Char('-'));
    for (const Cabin_Slot& slot : Cabin_Slots(pages)) {
        slot.Field->setText(none);
        if (slot.Channel_B)
            slot.Channel_B->setEnabled(false);
    }
}

void Cockpit_Numbers_Defaults(Page_Cockpit_Numbers& page)
{
    for (QListWidget* list : page.Control_05)
        list->clear();
    for (int k = 0; k < Page_Cockpit_Numbers::CATEGORY_COUNT; ++k) {
        page.Control_05_Tab->setCurrentIndex(k);
        page.Control_05_Tab->setTabText(k, QStringLiteral("CATEGORY") + QString::number(k + 1));
    }
    page.Control_05_Tab->setCurrentIndex(0);
}

// --- visibility ---------------------------------------------------------------

void Show(QWidget* widget, bool visible)
{
    if (widget)
        widget->setVisible(visible);
}

void Show_Enabled(QWidget* widget, bool enabled)
{
    if (widget)
        widget->setEnabled(enabled);
}

template <std::size_t N, typename T>
void Show_All(const std::array<T*, N>& widgets, bool visible)
{
    for (T* widget : widgets)
        Show(widget, visible);
}

} // namespace

void Reset_Sat_GES_Lists(Page_Set& pages)
{
    pages.Sat_GES().Control_02->clear();
    pages.Sat_GES().Control_03->clear();
    Merge_Default_Sat_GES(pages.Sat_GES());
}

void Set_Default_Tips(Page_Set& pages)
{
    for (const User_Item_Row& row : User_Items()) {
        QWidget* const widget = Item_Widget(row, pages);
        if (!widget)
            continue;
        if (row.List)
            pages::Fill_Default_Tip(row.List(pages), row.Default.Index);
        else if (row.Text && row.Default.Text_Kind == Item_Default_Text::Fixed)
            pages::Fill_Default_Tip(widget, Default_Text(row));
    }
}

void Set_Factory_Defaults(Page_Set& pages)
{
    for (const User_Item_Row& row : User_Items())
        Set_Row_Default(row, pages);
    pages.General().Control_78->clear();
    pages.HSD_S64().Control_66_Reset_Click();
    pages.HSD_S64().Control_67_Reset_Click();
    Reset_Sat_GES_Lists(pages);
    Cabin_Numbers_Defaults(pages);
    Cockpit_Numbers_Defaults(pages.Cockpit_Numbers());
}

void Set_User_Visibility(Page_Set& pages)
{
    const int fl = core::Versions().User_Current.Feature_Level;
    Page_General& general = pages.General();
    Page_HSD_Cnfg& cnfg = pages.HSD_Cnfg();
    Page_HSD_SBB& sbb = pages.HSD_SBB();
    Page_HSD_S64& s64 = pages.HSD_S64();
    Page_Sat_GES& sat_ges = pages.Sat_GES();
    Page_PIMBIT& pimbit = pages.PIMBIT();

    // The items of the table that a feature level shows.
    for (const User_Item_Row& row : User_Items()) {
        if (row.Shown_From == 0)
            continue;
        Show(Item_Widget(row, pages), fl >= row.Shown_From);
        if (row.Caption_Follows)
            Show(pages::Row_Label(Item_Widget(row, pages)), fl >= row.Shown_From);
        if (row.Spin)
            Show(row.Spin(pages), fl >= row.Shown_From);
    }

    const bool l1 = fl > 0;
    Show(general.Label_General_U[6], l1);
    Show_All(cnfg.Label_User_L1, l1);

    const bool l2 = fl > 1;
    Show(pages.Cockpit_Voice().Label_User_L2[0], l2);

    const bool l3 = fl > 2;
    Show_All(cnfg.Label_User_L3, l3);
    Show_All(sbb.Label_User_L3, l3);
    Show_All(s64.FrameLES, l3);
    Show(cnfg.Frame_SDU1, l3);
    Show(cnfg.Frame_SDU2, l3);
    Show(sbb.Frame_BGAN, l3);

    const bool l4 = fl > 3;
    Show_All(cnfg.Label_User_L4, l4);
    Show_All(sbb.Label_User_L4, l4);
    Show_All(sat_ges.Label_User_L4, l4);
    Show_All(cnfg.FrameIP2, l4);
    Show(sat_ges.Frame_92, l4);
    Sat_Table_Dialog* dialog = sat_ges.Sat_Dialog();
    Show(sat_ges.cmdSatTableSort[2], l4);
    Show(dialog->Frame_91, l4);
    Show(sat_ges.cmdSatTableSort[3], l4);
    Show(sat_ges.cmdSatTableSort[4], l4);
    Show(dialog->Frame_95, l4);
    Show(sbb.Frame_SDU1, l4);
    Show(sbb.Frame_SDU2, l4);

    // The satellite list is as wide as the column buttons it shows.
    sat_ges.Fit_Tables(l4 ? modSat_Table_Dialog::SAT_COLUMN_COUNT : 2);

    Show(pages.Main.Label_86, l4);

    const bool l5 = fl > 4;
    for (QWidget* widget : std::initializer_list<QWidget*>{
             pages.Main.ShowPIMBIT, pimbit.Frame_103, pimbit.Frame_104, pimbit.Frame_105,
             pimbit.Frame_106, pimbit.Label_User_L5_107})
        Show(widget, l5);
}

void Set_User_Captions(Page_Set& pages)
{
    const int al = core::Versions().User_Current.Airframer_Level;
    if (al != 0) {
        QTabWidget* tabs = pages.Cockpit_Numbers().Control_05_Tab;
        const char* captions[] = {"EMERGENCY", "SAFETY", "NON-SAFETY", "PUBLIC"};
        for (int k = 0; k < 4; ++k) {
            tabs->setCurrentIndex(k);
            tabs->setTabText(k, QLatin1String(captions[k]));
        }
        tabs->setCurrentIndex(0);
    }
    for (const User_Item_Row& row : User_Items()) {
        if (row.Airframer.Fixed_From == 0 || al < row.Airframer.Fixed_From || !Item_Widget(row, pages))
            continue;
        if (row.List)
            row.List(pages)->setCurrentIndex(row.Airframer.Index);
        else
            row.Text(pages)->setText(QString::fromLatin1(row.Airframer.Text));
    }
}

void Set_User_Enables(Page_Set& pages)
{
    const int al = core::Versions().User_Current.Airframer_Level;
    for (const User_Item_Row& row : User_Items()) {
        if (row.Airframer.Editable != Item_When::Always)
            Show_Enabled(Item_Widget(row, pages), Item_Read_At(row.Airframer.Editable, al));
    }
}

} // namespace User_Mod
