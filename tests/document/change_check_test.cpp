// Unsaved-change detection: baseline after a check, after an edit, after an
// undo of the edit, and a comparison that leaves the baseline alone.
#include "tests/document/ort_loader_fixture.h"

#include "editor/document/change_check.h"

#include <QComboBox>
#include <QLineEdit>

using namespace loader_test;

namespace {

class ChangeCheck : public Loader_Fixture {
protected:
    void New(std::int32_t type)
    {
        Reset_Program_State();
        Set_Target(Target_Of(type));
        modVerConv::New_ORT(*pages);
        crc = 0;
        ASSERT_TRUE(Change_Check::Check_ORT_Changed(*pages, crc)); // the first baseline
    }
    std::uint16_t crc = 0;
};

} // namespace

TEST_F(ChangeCheck, SecondCheckWithoutAnEditIsFalse)
{
    for (const Target& target : WRITABLE_TARGETS) {
        SCOPED_TRACE(target.Type);
        New(target.Type);
        const std::uint16_t baseline = crc;
        EXPECT_FALSE(Change_Check::Check_ORT_Changed(*pages, crc));
        EXPECT_EQ(crc, baseline);
        EXPECT_EQ(crc, core::Calc_CRC16(Ort_Writer::Records_Data(target.Type)));
    }
}

TEST_F(ChangeCheck, EditMovesTheBaselineAndAnUndoCountsAgain)
{
    for (const std::int32_t type : {13, 14, 15}) {
        SCOPED_TRACE(type);
        New(type);
        QLineEdit* field = type == 13 ? pages->Main.Control_53 : pages->Main.Control_33;
        const QString before = field->text();
        field->setText(QStringLiteral("EDITED"));
        EXPECT_TRUE(Change_Check::Check_ORT_Changed(*pages, crc));
        EXPECT_FALSE(Change_Check::Check_ORT_Changed(*pages, crc));
        field->setText(before);
        EXPECT_TRUE(Change_Check::Check_ORT_Changed(*pages, crc));
    }
}

TEST_F(ChangeCheck, ComparisonLeavesTheBaseline)
{
    New(15);
    const std::uint16_t baseline = crc;
    pages->Main.Control_53->setText(QStringLiteral("EDITED"));
    const Change_Check::Comparison first = Change_Check::Compare_With_Baseline(*pages, crc);
    EXPECT_TRUE(first.Changed);
    EXPECT_NE(first.CRC, baseline);
    EXPECT_EQ(crc, baseline);
    EXPECT_TRUE(Change_Check::Compare_With_Baseline(*pages, crc).Changed);
    pages->Main.Control_53->setText(QString(24, QLatin1Char('-')));
}

TEST_F(ChangeCheck, EditOfAPageControlCounts)
{
    New(14);
    QComboBox* combo = pages->Cabin().Control_10;
    combo->setCurrentIndex(combo->currentIndex() == 0 ? 1 : 0);
    EXPECT_TRUE(Change_Check::Check_ORT_Changed(*pages, crc));
}

TEST_F(ChangeCheck, FailingCopyLeavesTheBaseline)
{
    New(14);
    const std::uint16_t baseline = crc;
    core::Versions().User_Current.Partition_Version = 99; // no save direction
    boxes.Clear();
    EXPECT_THROW(Change_Check::Check_ORT_Changed(*pages, crc), User_Mod::Unsupported_Version_Error);
    EXPECT_EQ(crc, baseline);
}

TEST_F(ChangeCheck, NoORTHasNothingToCompare)
{
    core::Versions().ORT_Type = core::ORT_TYPE_NONE;
    std::uint16_t zero = 0;
    EXPECT_FALSE(Change_Check::Check_ORT_Changed(*pages, zero));
}
