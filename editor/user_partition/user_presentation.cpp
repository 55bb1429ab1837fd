#include "editor/user_partition/user_presentation.h"

#include "editor/core/item_facts.h"
#include "editor/core/ort_types.h"
#include "editor/core/type_choice.h"
#include "editor/core/value_helpers.h"
#include "editor/page_set/page_set.h"
#include "editor/pages/page_cabin.h"
#include "editor/pages/page_widgets.h"
#include "editor/pages/pimbit_defaults.h"
#include "editor/pages_hsd/hsd_defaults.h"
#include "editor/pages_tables/sat_table_dialog.h"
#include "editor/user_partition/user_defaults.h"
#include "editor/user_partition/user_items.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <cmath>
#include <vector>

namespace User_Mod {

namespace {

using Id = core::Item_Fact_Id;

// The default of a number item as its field shows it.
QString Default_Of(Id id)
{
    return core::Default_Text(core::Fact(id));
}

QString Default_Of(Id first, std::size_t element)
{
    return core::Default_Text(core::Fact(first, static_cast<int>(element)));
}

struct Combo_Default {
    QComboBox* Combo;
    int Index;
};

struct Text_Default {
    QLineEdit* Edit;
    QString Text;
};

void Apply(const std::vector<Combo_Default>& rows)
{
    for (const Combo_Default& row : rows)
        row.Combo->setCurrentIndex(row.Index);
}

void Apply(const std::vector<Text_Default>& rows)
{
    for (const Text_Default& row : rows)
        row.Edit->setText(row.Text);
}

template <std::size_t N>
void Set_Octets(const std::array<QLineEdit*, N>& boxes, int i, std::uint8_t (*octet)(std::int16_t))
{
    boxes[static_cast<std::size_t>(i)]->setText(QString::number(octet(static_cast<std::int16_t>(i))));
}

void General_Defaults(Page_General& page)
{
    Apply({{page.Control_04, 2}, {page.Control_40a, 0}, {page.Control_40b, 1},
           {page.Control_58, 0}, {page.Control_61, 4}});
    page.Control_34->setText(QString());
    page.Control_78->clear();
}

void Cockpit_Voice_Defaults(Page_Cockpit_Voice& page)
{
    Apply({{page.Control_07, 0}, {page.Control_14, 0}, {page.Control_15, 0},
           {page.Control_19a, 1}, {page.Control_19b, 1}, {page.Control_20, 0},
           {page.Control_35, 0}, {page.Control_36, 0}, {page.Control_63, 3}});
}

void Dual_Defaults(Page_Dual& page)
{
    for (std::size_t i = 0; i < page.Control_49.size(); ++i)
        page.Control_49[i]->setText(Default_Of(Id::Item_49_0, i));
}

void Cabin_Defaults(Page_Cabin& page)
{
    Apply({{page.Control_10, 0}, {page.Control_13, 3}, {page.Control_21a, 2},
           {page.Control_21b, 2}, {page.Control_24a, 0}, {page.Control_24b, 0}});
    const QString code = QString::fromLatin1(SECURITY_CODE_DEFAULT);
    Apply(std::vector<Text_Default>{{page.Control_25a, code}, {page.Control_25b, code}});
    // Two terminals at a time: the ID boxes, then the assignment types.
    const struct {
        QLineEdit* id[2];
        QComboBox* type[2];
    } rows[] = {
        {{page.Control_45_1a1, page.Control_45_2a1}, {page.Control_45_1b1, page.Control_45_2b1}},
        {{page.Control_45_1a2, page.Control_45_2a2}, {page.Control_45_1b2, page.Control_45_2b2}},
    };
    for (const auto& row : rows) {
        for (QLineEdit* id : row.id)
            id->setText(Default_Of(Id::Item_45));
        for (QComboBox* type : row.type) {
            type->setCurrentIndex(0);
            type->setEnabled(false);
        }
    }
}

void HSD_Defaults(Page_HSD_Cnfg& cnfg, Page_HSD_SBB& sbb, Page_HSD_S64& s64)
{
    cnfg.Control_62->setText(Default_Of(Id::Item_62));
    cnfg.Control_64->setText(Default_Of(Id::Item_64));
    Set_Tag(cnfg.Control_64, QStringLiteral("1"));
    cnfg.Control_65->setCurrentIndex(0);
    for (int i = 0; i < 4; ++i) {
        Set_Octets(cnfg.Control_72a1, i, Default_72a1);
        Set_Octets(cnfg.Control_72a2, i, Default_72a2);
        Set_Octets(cnfg.Control_72b1, i, Default_72b1);
        Set_Octets(cnfg.Control_72b2, i, Default_72b2);
        for (auto* boxes : {&cnfg.Control_73a1, &cnfg.Control_73a2, &cnfg.Control_73b1,
                            &cnfg.Control_73b2})
            Set_Octets(*boxes, i, Default_73);
        for (auto* boxes : {&cnfg.Control_74a1, &cnfg.Control_74a2, &cnfg.Control_74b1,
                            &cnfg.Control_74b2})
            (*boxes)[static_cast<std::size_t>(i)]->setText(Default_Of(Id::Item_72_75));
        Set_Octets(cnfg.Control_75, i, Default_75);
    }
    // A MAC address byte shows its hexadecimal digits without leading zeros.
    const QString mac_byte =
        QString::number(static_cast<int>(core::Fact(Id::Item_68).Default), 16).toUpper();
    for (std::size_t i = 0; i < cnfg.Control_68a.size(); ++i) {
        cnfg.Control_68a[i]->setText(mac_byte);
        cnfg.Control_68b[i]->setText(mac_byte);
    }
    cnfg.Control_69[0]->setText(QStringLiteral("DataIO"));
    cnfg.Control_69[1]->setText(QStringLiteral("DataIO-2"));
    Apply({{cnfg.Control_70, 1}, {cnfg.Control_71, 0}});
    cnfg.Control_76->setText(Default_Of(Id::Item_76));
    sbb.Control_77a->setCurrentIndex(3);
    for (QLineEdit* box : sbb.Control_77b)
        box->setText(Default_Of(Id::Item_77b));
    s64.Control_66_Reset_Click();
    s64.Control_67_Reset_Click();
    sbb.Control_80->setText(QString());

    for (std::size_t i = 0; i < 2; ++i) {
        Apply({{cnfg.Control_79_1[i], 0}, {cnfg.Control_79_2[i], 0}});
        for (QLineEdit* login : {cnfg.Control_81user[i], cnfg.Control_81pass[i],
                                 cnfg.Control_85user[i], cnfg.Control_85pass[i]})
            login->setText(QString());
        Apply({{sbb.Control_89[i], 1}, {cnfg.Control_98[i], 0}});
    }

    Apply(std::vector<Text_Default>{{cnfg.Control_82a[0], QStringLiteral("HSDU1_P1")},
                                    {cnfg.Control_82a[1], QStringLiteral("HSDU1_P2")},
                                    {cnfg.Control_82b[0], QStringLiteral("HSDU2_P1")},
                                    {cnfg.Control_82b[1], QStringLiteral("HSDU2_P2")}});
    Apply({{cnfg.Control_84, 1}, {cnfg.Control_88, 0}});
    Apply(std::vector<Text_Default>{{sbb.Control_90pac, Default_Of(Id::Item_90_Packets)},
                                    {sbb.Control_90per, Default_Of(Id::Item_90_Period)}});
}

void Sat_GES_Items_Defaults(Page_Sat_GES& page)
{
    Apply({{page.Control_92[0], 1}, {page.Control_92[1], 2}, {page.Control_92[2], 3},
           {page.Control_93, 1}});
    page.Control_94->setText(Default_Of(Id::Item_94));
}

void SBB_Late_Defaults(Page_HSD_SBB& sbb, Page_HSD_Cnfg& cnfg)
{
    Apply({{sbb.Control_96, 9}, {sbb.Control_97, 0}, {sbb.Control_99, 3},
           {cnfg.Control_100, 2}, {sbb.Control_101, 0}});
    sbb.Control_102->setText(Default_Of(Id::Item_102));
}

void Cabin_Numbers_Defaults(Page_Cabin_Numbers& page)
{
    page.Control_26a[1]->setChecked(true);
    page.Control_26b[1]->setChecked(true);
    const QString none(18, QLatin1Char('-'));
    for (int i = 1; i <= Page_Cabin_Numbers::SLOT_COUNT; ++i) {
        const auto at = static_cast<std::size_t>(i);
        for (QLineEdit* box : {page.Control_16_Sat1_ChA[at], page.Control_16_Sat1_ChB[at],
                               page.Control_16_Sat2_ChA[at], page.Control_16_Sat2_ChB[at]})
            box->setText(none);
        page.Control_16_Sat1_ChB[at]->setEnabled(false);
        page.Control_16_Sat2_ChB[at]->setEnabled(false);
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

void PIMBIT_Defaults(Page_PIMBIT& page)
{
    for (std::size_t i = 0; i < page.Control_103.size(); ++i)
        page.Control_103[i]->setText(Default_Of(Id::Item_103_0, i));
    for (int i = 0; i < COUNT_104; ++i)
        page.Control_104[static_cast<std::size_t>(i)]->setCurrentIndex(
            Default_104(static_cast<std::int16_t>(i)));
    for (std::size_t i = 0; i < page.Control_105.size(); ++i)
        page.Control_105[i]->setText(Default_Of(Id::Item_105_0, i));
    for (std::size_t i = 0; i < page.Control_106_Az.size(); ++i)
        page.Control_106_Az[i]->setText(Default_Of(Id::Item_106_Az_0, i));
    // The elevation spin buttons count tenths of a degree.
    for (std::size_t i = 0; i < page.Control_106_El.size(); ++i) {
        const core::Item_Fact& elevation = core::Fact(Id::Item_106_El_0, static_cast<int>(i));
        page.Control_106_El[i]->setText(core::Default_Text(elevation));
        Page_PIMBIT::Set_Spin_Value(page.UpDown_106_El[i],
                                    static_cast<int>(std::lround(elevation.Default * 10.0)));
    }
    page.Control_107->setText(Default_Of(Id::Item_107));
}

// --- visibility ---------------------------------------------------------------

void Show(QWidget* widget, bool visible)
{
    if (widget)
        widget->setVisible(visible);
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

void Set_Factory_Defaults(Page_Set& pages)
{
    General_Defaults(pages.General());
    Cockpit_Voice_Defaults(pages.Cockpit_Voice());
    Dual_Defaults(pages.Dual());
    Cabin_Defaults(pages.Cabin());
    HSD_Defaults(pages.HSD_Cnfg(), pages.HSD_SBB(), pages.HSD_S64());
    Sat_GES_Items_Defaults(pages.Sat_GES());
    SBB_Late_Defaults(pages.HSD_SBB(), pages.HSD_Cnfg());

    if (pages.Main.Control_33)
        pages.Main.Control_33->setText(QString::fromLatin1(FACTORY_DESCRIPTION));
    if (pages.Main.Control_86)
        pages.Main.Control_86->setText(core::Chosen_Type().User_Part_Number_Text);
    Reset_Sat_GES_Lists(pages);
    pages.Sat_GES().Control_108->setText(Default_Of(Id::Item_108));
    Cabin_Numbers_Defaults(pages.Cabin_Numbers());
    Cockpit_Numbers_Defaults(pages.Cockpit_Numbers());
    PIMBIT_Defaults(pages.PIMBIT());
}

void Set_User_Visibility(Page_Set& pages)
{
    const int fl = core::Versions().User_Current.Feature_Level;
    const int al = core::Versions().User_Current.Airframer_Level;
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
        if (row.Spin)
            Show(row.Spin(pages), fl >= row.Shown_From);
    }

    const bool l1 = fl > 0;
    Show(general.Control_61, l1);
    Show(general.Label_General_U[6], l1);
    Show_All(cnfg.Label_User_L1, l1);

    const bool l2 = fl > 1;
    Show(pages.Cockpit_Voice().Label_User_L2[0], l2);

    const bool l3 = fl > 2;
    Show_All(cnfg.Label_User_L3, l3);
    Show_All(sbb.Label_User_L3, l3);
    Show_All(cnfg.Control_75, l3);
    for (std::size_t i = 0; i < cnfg.Control_68a.size(); ++i) {
        Show(cnfg.Control_68a[i], l3);
        Show(cnfg.Control_68b[i], l3);
    }
    Show_All(s64.FrameLES, l3);
    Show(cnfg.Frame_SDU1, l3);
    Show(cnfg.Frame_SDU2, l3);
    Show(sbb.Frame_BGAN, l3);

    const bool l4 = fl > 3;
    Show_All(cnfg.Label_User_L4, l4);
    Show_All(sbb.Label_User_L4, l4);
    Show_All(sat_ges.Label_User_L4, l4);
    for (std::size_t i = 0; i < 2; ++i) {
        Show(cnfg.FrameIP2[i], l4);
        // Each port frame repeats the host name's caption beside its field;
        // the caption goes with the field.
        for (const QLineEdit* host : {cnfg.Control_82a[i], cnfg.Control_82b[i]})
            Show(pages::Row_Label(host), l4);
    }
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
    if (pages.Main.Control_86)
        pages.Main.Control_86->setEnabled(al < 3);

    const bool l5 = fl > 4;
    for (QWidget* widget : std::initializer_list<QWidget*>{
             pages.Main.ShowPIMBIT, pimbit.Frame_103, pimbit.Frame_104, pimbit.Frame_105,
             pimbit.Frame_106, pimbit.Label_User_L5_107, pimbit.Control_107, pimbit.UpDown_107})
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
        pages.Cabin().Control_13->setCurrentIndex(0);
        pages.Cockpit_Voice().Control_14->setCurrentIndex(16);
        pages.Cockpit_Voice().Control_15->setCurrentIndex(1);
        if (pages.Main.Control_33)
            pages.Main.Control_33->setText(QString::fromLatin1(AIRFRAMER_DESCRIPTION));
    }
    if (al >= 2)
        pages.General().Control_04->setCurrentIndex(0);
}

void Set_User_Enables(Page_Set& pages)
{
    const int al = core::Versions().User_Current.Airframer_Level;
    Page_Cockpit_Voice& voice = pages.Cockpit_Voice();
    for (QWidget* widget : std::initializer_list<QWidget*>{pages.General().Control_04, voice.Control_14,
                                                           voice.Control_15})
        widget->setEnabled(al == 0);
    for (QWidget* widget : std::initializer_list<QWidget*>{voice.Control_19a, voice.Control_19b,
                                                           voice.Control_36})
        widget->setEnabled(al <= 1);
}

} // namespace User_Mod
