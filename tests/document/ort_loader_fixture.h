#pragma once
// A headless page set with stand-in main-window controls, the version
// state and every partition record reset, the conversion report in a
// scratch folder, a recording stand-in for the main window, and helpers
// that make ORT files of every type.

#include "editor/core/conversion_report.h"
#include "editor/core/crc_utils.h"
#include "editor/core/ort_file_header.h"
#include "editor/core/ort_types.h"
#include "editor/core/secured_record.h"
#include "editor/core/text_helpers.h"
#include "editor/core/type_choice.h"
#include "editor/document/ort_loader.h"
#include "editor/document/ort_writer.h"
#include "editor/document/ver_conv.h"
#include "editor/page_set/page_set.h"
#include "editor/user_partition/user_mod.h"
#include "editor/user_partition/user_record_v5.h"
#include "support/scripted_messages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

namespace loader_test {

// The main window as the loader sees it, recording what the load did.
class Stub_Window final : public Ort_Loader::Load_Window {
public:
    QString Caption() const override { return caption; }
    void Set_Caption(const QString& text) override { caption = text; }
    bool Configuration_Chosen() const override { return chosen; }
    bool Choose_Configuration() override
    {
        ++choose_calls;
        return choose ? choose() : true;
    }
    QString Software_Config_Text() const override { return config_text; }
    void Close_Open_ORT() override { ++closes; }
    void Show_Loaded(int tool_version, bool limited) override
    {
        ++shown;
        shown_tool_version = tool_version;
        shown_limited = limited;
    }
    void Reset() override
    {
        ++resets;
        caption = QStringLiteral("Merivane");
    }
    std::uint16_t& Last_Saved_CRC() override { return crc; }

    QString caption = QStringLiteral("Merivane");
    bool chosen = true;
    std::function<bool()> choose;
    QString config_text = QStringLiteral("6240118-xx012");
    int choose_calls = 0;
    int shown = 0;
    bool shown_limited = false;
    int shown_tool_version = -1;
    int resets = 0;
    int closes = 0;
    std::uint16_t crc = 0;
};

// One target configuration a writer can produce, with the partition
// versions, revisions and levels the type dialog would set.
struct Target {
    std::int32_t Type;
    std::int32_t Secured_Version;
    std::int32_t User_Version;
    int Secured_Revision = 0;
    int User_Revision = 0;
    int Secured_Feature = 0;
    int User_Feature = 0;
};

inline const Target WRITABLE_TARGETS[] = {
    {7, 7, 99, 0, 0, 1, 0},    {8, 99, 8, 0, 1, 0, 2},     {9, 7, 8, 0, 2, 1, 3},
    {10, 10, 99, 0, 0, 1, 0},  {11, 99, 11, 0, 0, 0, 1},   {12, 10, 11, 0, 0, 1, 1},
    {13, 13, 99, 0, 0, 2, 0},  {14, 99, 14, 0, 1, 0, 5},   {15, 13, 14, 0, 0, 2, 4},
};

inline const Target& Target_Of(std::int32_t type)
{
    for (const Target& t : WRITABLE_TARGETS)
        if (t.Type == type)
            return t;
    throw std::out_of_range("no target");
}

// Makes `target` the current configuration, as the type dialog does.
inline void Set_Target(const Target& target)
{
    core::Version_State& v = core::Versions();
    v.Secured_Current = {0, target.Secured_Version, static_cast<std::uint8_t>(target.Secured_Revision),
                         static_cast<std::uint8_t>(target.Secured_Feature), 0};
    v.User_Current = {0, target.User_Version, static_cast<std::uint8_t>(target.User_Revision),
                      static_cast<std::uint8_t>(target.User_Feature), 0};
    core::Set_Version_Numbers(target.Secured_Version, target.User_Version);
    v.Secured_Current.ORT_Type = v.ORT_Type;
    v.User_Current.ORT_Type = v.ORT_Type;
}

inline QByteArray Read_All(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline void Write_All(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A file image with the given header values; the CRC fits the data unless
// a CRC is given.
inline QByteArray Make_File(const QString& type_text, const QByteArray& data,
                            std::optional<std::uint16_t> crc = std::nullopt,
                            std::uint8_t tool_version = 36)
{
    core::ORT_File_Header header = core::Make_Header(0, static_cast<std::uint32_t>(data.size()),
                                                     QStringLiteral("01-JAN-24"));
    header.ORT_Type_Text = type_text;
    header.Tool_Version = tool_version;
    QByteArray out = core::Serialize_Header(header) + data;
    const std::uint16_t value = crc.value_or(core::Calc_CRC16(data));
    out.append(static_cast<char>(value >> 8));
    out.append(static_cast<char>(value & 0xFF));
    return out;
}

// A record whose every number is 1 and every text "A": within the lists
// and ranges of the oldest generation, which no writer produces.
inline QByteArray Plausible_Record(core::Layout layout, int length)
{
    core::Record record(layout, length);
    for (const core::Field_Def& field : layout) {
        for (int i = 0; i < field.count; ++i) {
            if (field.enc == core::Enc::Text)
                record.Set_Text(field.id, QStringLiteral("A"), i);
            else if (field.enc != core::Enc::Bytes)
                record.Set(field.id, 1, i);
        }
    }
    return record.Bytes();
}

// The data of a first-generation file (types 4, 5 and 6).
inline QByteArray First_Generation_Data(std::int32_t type)
{
    QByteArray data;
    if (type != 5)
        data += Plausible_Record(core::secured::Layout_V4(), core::secured::LENGTH_V4);
    if (type != 4)
        data += Plausible_Record(User_Mod::User_Record_V5_Layout(), User_Mod::V5_LENGTH);
    return data;
}

class Loader_Fixture : public ::testing::Test {
protected:
    Loader_Fixture()
    {
        previous_dir_ = QDir::currentPath();
        QDir::setCurrent(dir.path());
        core::Init_Report_Path();
        Reset_Program_State();
        pages = std::make_unique<Page_Set>();
        pages->Create_Stand_In_Main_Controls();
    }
    ~Loader_Fixture() override
    {
        pages.reset();
        Reset_Program_State();
        QDir::setCurrent(previous_dir_);
    }

    static void Reset_Program_State()
    {
        core::Reset_Versions();
        core::Reset_Chosen_Type();
        core::secured::Reset_Records();
        for (const User_Mod::Generation_Row& row : User_Mod::Generations())
            row.Record().Clear();
    }

    QString Path(const QString& name) const { return dir.filePath(name); }

    // A new ORT of the target's type, written to `name`; returns the bytes.
    QByteArray Make_Written_File(const Target& target, const QString& name)
    {
        Set_Target(target);
        modVerConv::New_ORT(*pages);
        const std::optional<std::uint16_t> crc = Ort_Writer::Write_ORT(*pages, Path(name));
        EXPECT_TRUE(crc.has_value());
        return Read_All(Path(name));
    }

    // Loads `path` answering Yes to the configuration question.
    Ort_Loader::Load_Result Open(const QString& path)
    {
        boxes.Answer(platform::MsgAnswer::Yes);
        return Ort_Loader::Load_File(path, *pages, window);
    }

    QTemporaryDir dir;
    testsupport::ScriptedMessages boxes;
    std::unique_ptr<Page_Set> pages;
    Stub_Window window;

private:
    QString previous_dir_;
};

} // namespace loader_test
