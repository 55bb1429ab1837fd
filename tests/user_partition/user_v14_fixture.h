#pragma once
// Page sets with factory defaults and stand-in main-window controls, the
// version state of a generation-14 user partition, the program-wide record
// cleared, recorded message boxes and a conversion report read back.

#include "editor/core/conversion_report.h"
#include "editor/core/ort_types.h"
#include "editor/core/type_choice.h"
#include "editor/page_set/page_set.h"
#include "editor/user_partition/user_defaults.h"
#include "editor/user_partition/user_presentation.h"
#include "editor/user_partition/user_record_v14.h"
#include "support/scripted_messages.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace v14test {

inline void Set_Current(int revision, int feature = 5, int airframer = 0)
{
    core::ORT_Version_Info& info = core::Versions().User_Current;
    info.Partition_Version = 14;
    info.ORT_Type = 14;
    info.Record_Revision = static_cast<std::uint8_t>(revision);
    info.Feature_Level = static_cast<std::uint8_t>(feature);
    info.Airframer_Level = static_cast<std::uint8_t>(airframer);
}

inline void Set_Loaded(int type, int revision)
{
    core::ORT_Version_Info& info = core::Versions().User_Loaded;
    info.ORT_Type = type;
    info.Partition_Version = 14;
    info.Record_Revision = static_cast<std::uint8_t>(revision);
}

class V14Test : public ::testing::Test {
protected:
    V14Test()
    {
        core::Reset_Versions();
        core::Reset_Chosen_Type();
        User_Mod::Reset_User_Record_V14();
        Set_Current(1);
        Set_Loaded(14, 1);
        pages = Make_Pages();
    }
    ~V14Test() override
    {
        report.reset();
        core::Reset_Versions();
        core::Reset_Chosen_Type();
        User_Mod::Reset_User_Record_V14();
    }

    // A page set holding the factory defaults.
    static std::unique_ptr<Page_Set> Make_Pages()
    {
        auto set = std::make_unique<Page_Set>();
        set->Create_Stand_In_Main_Controls();
        User_Mod::Set_Default_Tables();
        User_Mod::Set_Factory_Defaults(*set);
        return set;
    }

    void Open_Report() { report.emplace(dir.filePath(QStringLiteral("report.txt")), QDate(2026, 12, 8)); }

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

    static QByteArray Bytes() { return User_Mod::User_Record_V14().Bytes(); }
    static int Byte_At(int offset) { return static_cast<std::uint8_t>(Bytes().at(offset)); }
    static std::int64_t Number_At(int offset, int width)
    {
        std::int64_t value = 0;
        for (int i = 0; i < width; ++i)
            value = (value << 8) | Byte_At(offset + i);
        return value;
    }
    // Writes a big-endian number into the program-wide record.
    static void Put_At(int offset, int width, std::int64_t value)
    {
        QByteArray bytes = Bytes();
        for (int i = width - 1; i >= 0; --i, value >>= 8)
            bytes[offset + i] = static_cast<char>(value & 0xFF);
        User_Mod::User_Record_V14().Set_Bytes(bytes);
    }

    testsupport::ScriptedMessages messages;
    QTemporaryDir dir;
    std::unique_ptr<Page_Set> pages;
    std::optional<core::Conversion_Report> report;
};

} // namespace v14test
