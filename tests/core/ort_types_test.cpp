#include "editor/core/ort_types.h"

#include "support/versions_guard.h"

#include <gtest/gtest.h>

using namespace core;

namespace {
struct VersionsFixture : ::testing::Test {
    testsupport::Versions_Guard versions_;
};
} // namespace

TEST(OrtTypes, RecordLengthsByType)
{
    const std::pair<int, int> expected[] = {{4, 417},    {5, 7169},   {6, 7587},   {7, 657},
                                            {8, 19319},  {9, 19977},  {10, 425},   {11, 7271},
                                            {12, 7697},  {13, 1169},  {14, 21365}, {15, 22535}};
    for (auto [type, size] : expected)
        EXPECT_EQ(Get_Record_Length(type), size) << type;
    for (int bad : {3, 16, 99, -1, 0, -2147483647})
        EXPECT_EQ(Get_Record_Length(bad), 0) << bad;
    // A composite's data is its two records back to back.
    EXPECT_EQ(Get_Record_Length(9) + 1, (Get_Record_Length(7) + 1) + (Get_Record_Length(8) + 1));
}

TEST_F(VersionsFixture, SetVersionNumbersMatrix)
{
    struct Row { int secured, user, config, type; };
    const Row rows[] = {{10, 99, 0, 10}, {13, 14, 2, 15}, {99, 11, 1, 11}, {99, 99, 0, 99},
                        {7, 8, 2, 9},    {10, 11, 2, 12}, {4, 8, 2, 99},   {7, 99, 0, 7}};
    for (const Row& r : rows) {
        Set_Version_Numbers(r.secured, r.user);
        EXPECT_EQ(Versions().Partition_Config, r.config) << r.secured << "/" << r.user;
        EXPECT_EQ(Versions().ORT_Type, r.type) << r.secured << "/" << r.user;
    }
}

TEST_F(VersionsFixture, LoadedVersionsFromTypeAndRecordBytes)
{
    Versions().Secured_Loaded.Feature_Level = 2;
    QByteArray data(Get_Record_Length(15) + 1, '\0');
    data[Secured_Mod::Record_Size_V13] = 3;  // last byte of the secured record
    data[data.size() - 1] = 2;               // last byte of the user record
    Set_Loaded_Versions(15, data);
    EXPECT_EQ(Versions().Secured_Loaded.ORT_Type, 15);
    EXPECT_EQ(Versions().Secured_Loaded.Partition_Version, 13);
    EXPECT_EQ(Versions().Secured_Loaded.Record_Revision, 3);
    EXPECT_EQ(Versions().Secured_Loaded.Feature_Level, 2); // left as it was
    EXPECT_EQ(Versions().User_Loaded.Partition_Version, 14);
    EXPECT_EQ(Versions().User_Loaded.Record_Revision, 2);

    QByteArray gen1(Get_Record_Length(6) + 1, '\x7f');
    Set_Loaded_Versions(6, gen1);
    EXPECT_EQ(Versions().Secured_Loaded.Partition_Version, 4);
    EXPECT_EQ(Versions().User_Loaded.Partition_Version, 5);
    EXPECT_EQ(Versions().Secured_Loaded.Record_Revision, 0);
    EXPECT_EQ(Versions().User_Loaded.Record_Revision, 0);

    QByteArray user8(Get_Record_Length(8) + 1, '\0');
    user8[user8.size() - 1] = 1;
    Set_Loaded_Versions(8, user8);
    EXPECT_EQ(Versions().Secured_Loaded.Partition_Version, 99);
    EXPECT_EQ(Versions().User_Loaded.Record_Revision, 1);

    Set_Loaded_Versions(99, QByteArray());
    EXPECT_EQ(Versions().Secured_Loaded.ORT_Type, 99);
    EXPECT_EQ(Versions().Secured_Loaded.Partition_Version, 99);
    EXPECT_EQ(Versions().User_Loaded.Partition_Version, 99);
}
