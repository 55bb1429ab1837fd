#pragma once
// A headless page set with stand-in main-window controls, the version state
// and the secured records reset, and scripted message boxes.

#include "editor/core/conversion_report.h"
#include "editor/core/ort_types.h"
#include "editor/core/secured_record.h"
#include "editor/core/type_choice.h"
#include "editor/page_set/page_set.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <memory>

namespace secured_test {

class Secured_Fixture : public ::testing::Test {
protected:
    Secured_Fixture()
    {
        core::Reset_Versions();
        core::secured::Reset_Records();
        core::Reset_Chosen_Type();
        pages = std::make_unique<Page_Set>();
        pages->Create_Stand_In_Main_Controls();
    }

    // The current (target) secured version info; user partition absent.
    static void Set_Current(std::int32_t version, int feature_level = 0, int airframer_level = 0,
                            int revision = 0)
    {
        core::Version_State& v = core::Versions();
        v.Secured_Current.Partition_Version = version;
        v.Secured_Current.ORT_Type = version;
        v.Secured_Current.Feature_Level = static_cast<std::uint8_t>(feature_level);
        v.Secured_Current.Airframer_Level = static_cast<std::uint8_t>(airframer_level);
        v.Secured_Current.Record_Revision = static_cast<std::uint8_t>(revision);
        v.User_Current.Partition_Version = core::PARTITION_ABSENT;
        v.ORT_Type = version;
        v.Partition_Config = core::PARTITION_SECURED;
    }

    // The loaded secured version info: the type of the file that was read.
    static void Set_Loaded_Type(std::int32_t type)
    {
        core::Versions().Secured_Loaded.ORT_Type = type;
        core::Versions().Secured_Loaded.Partition_Version = core::secured::Version_Of_Type(type);
    }

    static core::Record& Record(std::int32_t version)
    {
        return *core::secured::Record_Of_Version(version);
    }

    Page_Set& P() { return *pages; }

    testsupport::ScriptedMessages boxes;
    std::unique_ptr<Page_Set> pages;
};

} // namespace secured_test
