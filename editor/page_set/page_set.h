#pragma once
// The fourteen item pages of the program, created once and kept for the
// whole run. The main window and the partition code reach the pages through
// one Page_Set handed to them by reference; a test builds its own.

#include <array>
#include <memory>

#include "editor/pages/page_cabin.h"
#include "editor/pages/page_cockpit_voice.h"
#include "editor/pages/page_dual.h"
#include "editor/pages/page_frame.h"
#include "editor/pages/page_general.h"
#include "editor/pages/page_pimbit.h"
#include "editor/pages/page_power.h"
#include "editor/pages_hsd/page_hsd_cnfg.h"
#include "editor/pages_hsd/page_hsd_s64.h"
#include "editor/pages_hsd/page_hsd_sbb.h"
#include "editor/pages_tables/page_cabin_numbers.h"
#include "editor/pages_tables/page_cockpit_numbers.h"
#include "editor/pages_tables/page_failure_masks.h"
#include "editor/pages_tables/page_sat_ges.h"
#include "editor/pages_tables/page_transit_ges.h"

class QLabel;
class QLineEdit;
class QWidget;

// The main window's controls that the partition code reads and writes. The
// main window fills them when it is created; a test may let the Page_Set
// create stand-ins instead (Create_Stand_In_Main_Controls).
struct Main_Controls {
    QWidget* Window = nullptr;              // its caption
    QLineEdit* Control_33 = nullptr;        // item 33, user description
    QLineEdit* Control_53 = nullptr;        // item 53, secured description
    QLineEdit* Control_86 = nullptr;        // item 86, user part number
    QLabel* Label_86 = nullptr;
    QLineEdit* Control_87 = nullptr;        // item 87, secured part number
    QLabel* Label_87 = nullptr;
    QLabel* Label_Secure_Modified = nullptr;
    QLabel* Label_User_Modified = nullptr;
    QWidget* ShowPIMBIT = nullptr;          // the PIM/BIT page button
};

class Page_Set {
public:
    static constexpr int COUNT = 14;

    // Creates all fourteen pages (hidden).
    Page_Set();
    ~Page_Set();
    Page_Set(const Page_Set&) = delete;
    Page_Set& operator=(const Page_Set&) = delete;

    // Every page in menu order: General, Cabin, Dual, HSD configuration,
    // HSD Swift64, HSD SwiftBroadband, Power, Cockpit Voice, Cabin Numbers,
    // Cockpit Numbers, Sat/GES, Transit GES, Failure Masks, PIM/BIT.
    const std::array<Page_Frame*, COUNT>& Pages() const { return all_; }
    Page_Frame& operator[](int index) const { return *all_.at(static_cast<std::size_t>(index)); }

    Page_General& General() const { return *general_; }
    Page_Cabin& Cabin() const { return *cabin_; }
    Page_Dual& Dual() const { return *dual_; }
    Page_HSD_Cnfg& HSD_Cnfg() const { return *hsd_cnfg_; }
    Page_HSD_S64& HSD_S64() const { return *hsd_s64_; }
    Page_HSD_SBB& HSD_SBB() const { return *hsd_sbb_; }
    Page_Power& Power() const { return *power_; }
    Page_Cockpit_Voice& Cockpit_Voice() const { return *cockpit_voice_; }
    Page_Cabin_Numbers& Cabin_Numbers() const { return *cabin_numbers_; }
    Page_Cockpit_Numbers& Cockpit_Numbers() const { return *cockpit_numbers_; }
    Page_Sat_GES& Sat_GES() const { return *sat_ges_; }
    Page_Transit_GES& Transit_GES() const { return *transit_ges_; }
    Page_Failure_Masks& Failure_Masks() const { return *failure_masks_; }
    Page_PIMBIT& PIMBIT() const { return *pimbit_; }

    // The main window's controls used by the partition code.
    Main_Controls Main;

    // Fills Main with hidden stand-in widgets owned by this Page_Set, named as
    // the main window names its own (for tests without a main window).
    void Create_Stand_In_Main_Controls();

private:
    std::unique_ptr<Page_General> general_;
    std::unique_ptr<Page_Cabin> cabin_;
    std::unique_ptr<Page_Dual> dual_;
    std::unique_ptr<Page_HSD_Cnfg> hsd_cnfg_;
    std::unique_ptr<Page_HSD_S64> hsd_s64_;
    std::unique_ptr<Page_HSD_SBB> hsd_sbb_;
    std::unique_ptr<Page_Power> power_;
    std::unique_ptr<Page_Cockpit_Voice> cockpit_voice_;
    std::unique_ptr<Page_Cabin_Numbers> cabin_numbers_;
    std::unique_ptr<Page_Cockpit_Numbers> cockpit_numbers_;
    std::unique_ptr<Page_Sat_GES> sat_ges_;
    std::unique_ptr<Page_Transit_GES> transit_ges_;
    std::unique_ptr<Page_Failure_Masks> failure_masks_;
    std::unique_ptr<Page_PIMBIT> pimbit_;
    std::array<Page_Frame*, COUNT> all_{};
    std::unique_ptr<QWidget> stand_in_main_;
};
