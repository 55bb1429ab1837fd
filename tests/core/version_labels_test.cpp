#include "editor/core/version_labels.h"

#include "editor/core/ort_types.h"

#include "support/versions_guard.h"

#include <gtest/gtest.h>

using namespace core;

namespace {
struct FileLabel : ::testing::Test {
    testsupport::Versions_Guard versions_;

    static void set(int type, int config, int secured_revision, int user_revision)
    {
        Versions().ORT_Type = type;
        Versions().Partition_Config = config;
        Versions().Secured_Current.Record_Revision = static_cast<std::uint8_t>(secured_revision);
        Versions().User_Current.Record_Revision = static_cast<std::uint8_t>(user_revision);
    }
};
} // namespace

TEST(VersionLabels, VersionTextTable)
{
    const std::pair<int, const char*> table[] = {
        {1, "3.0"},        {2, "3.15"},       {3, "3.7"},        {4, "3.5 Dev 2"},  {16, "4.0"},
        {17, "4.1"},       {18, "4.2"},       {24, "4.3"},       {25, "ENG 4.3.1"}, {26, "ENG 4.3.2"},
        {27, "4.4"},       {28, "ENG 5.0"},   {29, "ENG 5.0.1"}, {30, "ENG 5.0.2"}, {31, "ENG 5.0.3"},
        {33, "ENG 5.0.4"}, {34, "5.1"},       {35, "5.2"},       {36, "5.3"}};
    for (auto [code, text] : table)
        EXPECT_EQ(Version_Text(code), text) << code;
    for (int code : {0, 5, 15, 19, 23, 32, 37, 255, -1})
        EXPECT_EQ(Version_Text(code), "Unknown") << code;
}

TEST(VersionLabels, VersionLabel)
{
    EXPECT_EQ(Version_Label_Text(36), "File Created by Merivane Version 5.3");
    EXPECT_EQ(Version_Label_Text(4), "File Created by Merivane Version 3.5 Dev 2");
    EXPECT_EQ(Version_Label_Text(32), "File Created by SDU");
    EXPECT_EQ(Version_Label_Text(20), "File Created by Merivane Version Unknown");
}

TEST_F(FileLabel, UserSecuredAndComposite)
{
    set(14, PARTITION_USER, 7, 1);
    EXPECT_EQ(File_Label_Text(), "File Version 14 (1): User Partition");
    set(13, PARTITION_SECURED, 2, 9);
    EXPECT_EQ(File_Label_Text(), "File Version 13 (2): Secured Partition");
    set(15, PARTITION_COMPOSITE, 3, 1);
    EXPECT_EQ(File_Label_Text(), "File Version 15 (3/1): Composite Partition");
    set(9, PARTITION_COMPOSITE, 0, 0);
    EXPECT_EQ(File_Label_Text(), "File Version 9 (0/0): Composite Partition");
    set(8, PARTITION_USER, 0, 0);
    EXPECT_EQ(File_Label_Text(), "File Version 8 (0): User Partition");
    set(10, PARTITION_SECURED, 0, 0);
    EXPECT_EQ(File_Label_Text(), "File Version 10 (0): Secured Partition");
}

TEST_F(FileLabel, RevisionsInUpperCaseHexWithoutLeadingZeros)
{
    set(11, PARTITION_USER, 0, 0xAB);
    EXPECT_EQ(File_Label_Text(), "File Version 11 (AB): User Partition");
    set(12, PARTITION_COMPOSITE, 0x0F, 0x10);
    EXPECT_EQ(File_Label_Text(), "File Version 12 (F/10): Composite Partition");
    set(7, PARTITION_SECURED, 255, 0);
    EXPECT_EQ(File_Label_Text(), "File Version 7 (FF): Secured Partition");
}

TEST_F(FileLabel, TypesOutsideWritableRange)
{
    for (int type : {0, 4, 5, 6, 16, 99}) {
        set(type, PARTITION_USER, 1, 1);
        EXPECT_EQ(File_Label_Text(), "File Version ") << type;
    }
}
