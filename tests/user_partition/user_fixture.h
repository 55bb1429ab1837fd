#pragma once
// A page set of its own with stand-in main-window controls, the version
// state reset, the program-wide generation-8 record cleared and message
// boxes recorded, for the user-partition tests. A report can be opened into
// a temporary folder and read back line by line.

#include "editor/core/conversion_report.h"
#include "editor/core/ort_types.h"
#include "editor/core/type_choice.h"
#include "editor/page_set/page_set.h"
#include "editor/user_partition/user_record_v8.h"
#include "record_bytes.h"
#include "support/scripted_messages.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace usertest {

inline void Set_User_Current(std::int32_t version, int revision, int feature, int airframer)
{
    core::ORT_Version_Info& info = core::Versions().User_Current;
    info.Partition_Version = version;
    info.ORT_Type = version;
    info.Record_Revision = static_cast<std::uint8_t>(revision);
    info.Feature_Level = static_cast<std::uint8_t>(feature);
    info.Airframer_Level = static_cast<std::uint8_t>(airframer);
}

inline void Set_User_Loaded(std::int32_t type, int revision)
{
    core::ORT_Version_Info& info = core::Versions().User_Loaded;
    info.ORT_Type = type;
    info.Partition_Version = type;
    info.Record_Revision = static_cast<std::uint8_t>(revision);
}

// Message boxes recorded, and a conversion report opened into a temporary
// folder and read back line by line.
class ReportTest : public ::testing::Test {
protected:
    void Open_Report()
    {
        report.emplace(dir.filePath(QStringLiteral("report.txt")), QDate(2026, 12, 8));
    }

    // The report lines after the nine-line header; closes the report.
    QStringList Report_Entries()
    {
        if (report)
            report->Close();
        report.reset();
        QFile file(dir.filePath(QStringLiteral("report.txt")));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList lines = QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"));
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines.mid(9);
    }

    testsupport::ScriptedMessages messages;
    QTemporaryDir dir;
    std::optional<core::Conversion_Report> report;
};

class UserPagesTest : public ReportTest {
protected:
    UserPagesTest()
    {
        core::Reset_Versions();
        core::Reset_Chosen_Type();
        User_Mod::User_Record_V8().Clear();
        pages = std::make_unique<Page_Set>();
        pages->Create_Stand_In_Main_Controls();
    }
    ~UserPagesTest() override
    {
        report.reset();
        core::Reset_Versions();
        core::Reset_Chosen_Type();
        User_Mod::User_Record_V8().Clear();
    }

    QByteArray Bytes() const { return User_Mod::User_Record_V8().Bytes(); }
    int Byte_At(int offset) const { return static_cast<std::uint8_t>(Bytes().at(offset)); }
    std::int64_t Number_At(int offset, int width) const { return Number_In(Bytes(), offset, width); }

    std::unique_ptr<Page_Set> pages;
};

} // namespace usertest
