#include "tests/secured_partition/secured_fixture.h"

#include "editor/core/failure_mask.h"
#include "editor/pages_tables/failure_entry_dialog.h"
#include "editor/secured_partition/secured_mod.h"
#include "support/page_test_support.h"

#include <QFile>
#include <QTemporaryDir>

using namespace secured_test;
using namespace core::secured;

namespace {

class SecuredLoad : public Secured_Fixture {
protected:
    // Controls at the defaults of the target, then the loaded record in.
    void Load(std::int32_t loaded_type)
    {
        Set_Loaded_Type(loaded_type);
        Secured_Mod::Set_Secured_Defaults_New(P());
        Secured_Mod::Update_GUI(P());
    }

    // Non-default values in every secured control.
    void Edit_Every_Item()
    {
        Page_General& g = P().General();
        g.Control_01->setCurrentIndex(1);
        g.Control_18->setCurrentIndex(3);
        g.Control_27a->setCurrentIndex(1);
        g.Control_30->setText(QStringLiteral("12.5"));
        g.Control_47a->setText(QStringLiteral("200"));
        g.Control_47b->setText(QStringLiteral("0"));
        g.Control_51a->setText(QStringLiteral("ABC"));
        g.Control_51b->setText(QStringLiteral("X-Y"));
        g.Control_52->setCurrentIndex(1);
        g.Control_54->setCurrentIndex(2);
        g.Control_60->setCurrentIndex(1);
        Page_Cockpit_Voice& v = P().Cockpit_Voice();
        v.Control_06a1->setCurrentIndex(1);
        v.Control_06b2->setCurrentIndex(2);
        v.Control_31->setCurrentIndex(1);
        v.Control_32->setCurrentIndex(1);
        v.Control_42->setCurrentIndex(2);
        v.Control_43->setCurrentIndex(2);
        v.Control_46a->setText(QStringLiteral("1"));
        v.Control_46b->setText(QStringLiteral("255"));
        v.Control_46c->setText(QStringLiteral("77"));
        Page_Power& w = P().Power();
        w.Control_22a->setText(QStringLiteral("31"));
        w.Control_22b->setText(QStringLiteral("3"));
        w.Control_28a1->setText(QStringLiteral("0"));
        w.Control_28b2->setText(QStringLiteral("30"));
        w.Control_29a1->setText(QStringLiteral("-12.0"));
        w.Control_29b2->setText(QStringLiteral("19.0"));
        w.Control_39->setText(QStringLiteral("90"));
        w.Control_44->setCurrentIndex(2);
        w.Control_57a->setText(QStringLiteral("65535"));
        w.Control_57b->setText(QStringLiteral("0"));
        P().Cabin().Control_23b->setCurrentIndex(0);
        P().Cabin().Control_59->setText(QStringLiteral("200"));
        P().Dual().Control_48->setCurrentIndex(1);
        P().Dual().Control_50->setCurrentIndex(1);
        P().Dual().Control_56->setCurrentIndex(1);
        P().Transit_GES().Control_41[7]->setText(QStringLiteral("123"));
        P().Failure_Masks().Control_38->addItem(core::Format_Failure_Entry(
            QStringLiteral("0B"), QStringLiteral("C"), QStringLiteral("2D"), core::MASK_TYPE_FAILURE));
        P().Main.Control_53->setText(QStringLiteral("MY ORT"));
        P().Main.Control_87->setText(QStringLiteral("ABC12DEFGHIJ345"));
    }

    QString Report_Text(const QString& path)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromLatin1(file.readAll());
    }
};

} // namespace

TEST_F(SecuredLoad, RecordToControlsToRecordIsAFixedPoint)
{
    struct Case {
        std::int32_t version;
        int feature_level;
    };
    for (const Case c : {Case{7, 1}, Case{10, 0}, Case{10, 1}, Case{13, 2}}) {
        SCOPED_TRACE(c.version * 10 + c.feature_level);
        Set_Current(c.version, c.feature_level, 0, 1);
        Secured_Mod::Set_Secured_Defaults_New(P());
        Edit_Every_Item();
        Secured_Mod::Update_Data(P());
        const QByteArray saved = Record(c.version).Bytes();

        // Back to defaults, then the saved record in and out again.
        P().Failure_Masks().Control_38->clear();
        Load(c.version);
        Secured_Mod::Update_Data(P());
        EXPECT_EQ(Record(c.version).Bytes().toHex(), saved.toHex());
        EXPECT_TRUE(boxes.Boxes().isEmpty());
    }
}

TEST_F(SecuredLoad, Generation1RecordConvertsIntoGeneration3)
{
    Set_Current(10, 0);
    core::Record& v4 = Record(4);
    v4.Set_Text(Description, QStringLiteral("OLD ORT"));
    v4.Set(Item06, 2, 3);
    v4.Set(Item27, 1, 1);
    v4.Set(Item44, 10);
    v4.Set(Item22_IGA, 4);
    v4.Set_Text(Tail_Text, QStringLiteral("IGNORED"));
    Load(4);
    EXPECT_EQ(P().Cockpit_Voice().Control_06b2->currentIndex(), 2);
    EXPECT_EQ(P().General().Control_27b->currentIndex(), 1);
    EXPECT_EQ(P().Power().Control_44->currentIndex(), 2);
    EXPECT_EQ(P().Power().Control_22b->text(), QStringLiteral("4"));
    EXPECT_EQ(P().Main.Control_53->text(), QStringLiteral("OLD ORT"));
}

TEST_F(SecuredLoad, NumbersTenthsAndTransitCells)
{
    Set_Current(7, 1);
    core::Record& r = Record(7);
    r.Set(Item29, 80, 0);
    r.Set(Item29, -50, 3);
    r.Set(Item30, 125);
    r.Set(Item57, 65535, 0);
    r.Set(Item39, 7);
    r.Set(Item41, 8, 0);
    r.Set(Item41, 255, 1);
    r.Set(Item41, 0, 2);
    r.Set(Item44, 12);
    Load(7);
    EXPECT_EQ(P().Power().Control_29a1->text(), QStringLiteral("8.0"));
    EXPECT_EQ(P().Power().Control_29b2->text(), QStringLiteral("-5.0"));
    EXPECT_EQ(P().General().Control_30->text(), QStringLiteral("12.5"));
    EXPECT_EQ(P().Power().Control_57a->text(), QStringLiteral("65535"));
    EXPECT_EQ(P().Power().Control_39->text(), QStringLiteral("7"));
    EXPECT_EQ(P().Transit_GES().Control_41[0]->text(), QStringLiteral("010"));
    EXPECT_EQ(P().Transit_GES().Control_41[1]->text(), QStringLiteral("377"));
    EXPECT_EQ(P().Transit_GES().Control_41[2]->text(), QStringLiteral("000"));
    EXPECT_EQ(P().Power().Control_44->currentIndex(), 1);
}

TEST_F(SecuredLoad, Item44OutsideItsFourValuesShowsOneBoxAndKeepsTheDefault)
{
    Set_Current(7, 1);
    Load(7); // a record of zeros
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Item 44"));
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("Invalid ORT Value"));
    EXPECT_EQ(boxes.Boxes()[0].icon, platform::MsgIcon::Critical);
    EXPECT_EQ(P().Power().Control_44->currentIndex(), 1);
}

TEST_F(SecuredLoad, FailureMasksInSlotOrderWithoutGapsOrLeftovers)
{
    Set_Current(13, 2);
    const QString first = core::Format_Failure_Entry(QStringLiteral("01"), QStringLiteral("2"),
                                                     QStringLiteral("03"), core::MASK_TYPE_FAILURE);
    const QString third = core::Format_Failure_Entry(QStringLiteral("A0"), QStringLiteral("B"),
                                                     QStringLiteral("C0"), core::MASK_TYPE_INDICTMENT);
    Record(13).Set(Item38, core::Text_To_Failure_Entry(first), 0);
    Record(13).Set(Item38, core::Text_To_Failure_Entry(third), 2);
    Record(13).Set(Item44, 15);
    // A conversion of an open ORT finds the old lines still in the list.
    P().Failure_Masks().Control_38->addItem(first);
    Load(13);
    QListWidget* list = P().Failure_Masks().Control_38;
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), core::Failure_Entry_To_Text(core::Text_To_Failure_Entry(first)));
    EXPECT_EQ(list->item(1)->text(), core::Failure_Entry_To_Text(core::Text_To_Failure_Entry(third)));
}

// SRU codes 36 to 255 have no character in a mask line: such a mask is kept
// as the file held it. Its line says that its code is unknown and names it,
// so no two of them read alike, and the report says it was kept.
TEST_F(SecuredLoad, FailureMaskSRUCodeWithoutACharacterIsKeptWithAReportLine)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("report.txt"));
    // Level 1 AB, Fail 5E, Failure: SRU 0x2C, 0x2D and 0xFF (the last with the flag of bit 26).
    const std::int64_t kept[] = {0x022ABC5E, 0x022ABD5E, 0x06FABF5E};
    Record(13).Set(Item38, kept[0], 0);
    Record(13).Set(Item38, 0x01202304, 1); // SRU 35 ("Z"), the highest with a character
    Record(13).Set(Item38, kept[1], 2);
    Record(13).Set(Item38, kept[2], 3);
    Record(13).Set(Item44, 15);
    Set_Current(13, 2);
    {
        core::Conversion_Report report(path);
        Load(13);
    }
    QListWidget* list = P().Failure_Masks().Control_38;
    const QString unknown = core::Format_Failure_Entry(QStringLiteral("AB"), QStringLiteral("?"),
                                                       QStringLiteral("5E"), core::MASK_TYPE_FAILURE);
    EXPECT_EQ(testsupport::Lines(list),
              (QStringList{unknown + QStringLiteral("   (SRU code 2C(Hex) unknown)"),
                           core::Format_Failure_Entry(QStringLiteral("02"), QStringLiteral("Z"), QStringLiteral("04"),
                                                      core::MASK_TYPE_INDICTMENT),
                           unknown + QStringLiteral("   (SRU code 2D(Hex) unknown)"),
                           unknown + QStringLiteral("   (SRU code FF(Hex) unknown)")}));
    EXPECT_EQ(core::Get_Mask_Type(list->item(0)->text()), core::MASK_TYPE_FAILURE);

    const QString report = Report_Text(path);
    const QString prefix = QStringLiteral("Item xxxviii-SRU Code - ");
    const QString pad = QString(prefix.size() + 4, u' ');
    const auto kept_lines = [&](const char* code) {
        return QStringLiteral("*** ") + prefix + QStringLiteral("Value out of range, was: ") +
               QLatin1String(code) + QStringLiteral("\r\n") + pad + QStringLiteral("         Kept unchanged: ") +
               QLatin1String(code) + QStringLiteral("\r\n");
    };
    EXPECT_TRUE(report.contains(kept_lines("2C(Hex)") + kept_lines("2D(Hex)") + kept_lines("FF(Hex)")))
        << report.toStdString();
    EXPECT_EQ(report.count(QStringLiteral("xxxviii")), 3);
    EXPECT_FALSE(report.contains(QStringLiteral("Changed to: 0(Hex)")));

    // Saved with the words the file held.
    Secured_Mod::Update_Data(P());
    EXPECT_EQ(Record(13).Get(Item38, 0), kept[0]);
    EXPECT_EQ(Record(13).Get(Item38, 1), 0x05202304);
    EXPECT_EQ(Record(13).Get(Item38, 2), kept[1]);
    EXPECT_EQ(Record(13).Get(Item38, 3), kept[2]);
}

// A kept mask is saved as the file held it only while its line is the one
// the load made: a line the user changed is saved as it reads, a deleted one
// not at all; the dialog opens such a line without an SRU code.
TEST_F(SecuredLoad, AKeptFailureMaskThatIsChangedOrDeletedIsSavedAsTheListShows)
{
    // Level 1 01, Fail 02: SRU 0x30 Indictment, 0x31 Failure, 0x32 Indictment.
    const std::int64_t kept[] = {0x01301002, 0x02301102, 0x01301202};
    for (int slot = 0; slot < 3; ++slot)
        Record(13).Set(Item38, kept[slot], slot);
    Record(13).Set(Item44, 15);
    Set_Current(13, 2);
    Load(13);
    QListWidget* list = P().Failure_Masks().Control_38;
    ASSERT_EQ(list->count(), 3);

    Failure_Entry_Dialog dialog;
    dialog.Prepare_Modify(list->item(0)->text());
    EXPECT_EQ(dialog.Control_Level1->text(), QStringLiteral("01"));
    EXPECT_EQ(dialog.Control_SRUCode->text(), QString());
    EXPECT_EQ(dialog.Control_FailCode->text(), QStringLiteral("02"));
    EXPECT_EQ(dialog.Control_Mask->currentIndex(), 0);

    const QString changed = core::Format_Failure_Entry(QStringLiteral("01"), QStringLiteral("7"),
                                                       QStringLiteral("02"), core::MASK_TYPE_INDICTMENT);
    list->item(0)->setText(changed); // what Modify does with the dialog's line
    delete list->takeItem(1);
    Secured_Mod::Update_Data(P());
    EXPECT_EQ(Record(13).Get(Item38, 0), core::Text_To_Failure_Entry(changed));
    EXPECT_EQ(Record(13).Get(Item38, 1), kept[2]);
    EXPECT_EQ(Record(13).Get(Item38, 2), 0);
}

TEST_F(SecuredLoad, ModifiedFlagShowsTheLabel)
{
    Set_Current(7, 1);
    Record(7).Set(Item44, 15);
    Record(7).Set(Modified_Flag, 1);
    Load(7);
    EXPECT_FALSE(P().Main.Label_Secure_Modified->isHidden());
    Record(7).Set(Modified_Flag, 0);
    Load(7);
    EXPECT_TRUE(P().Main.Label_Secure_Modified->isHidden());
}

TEST_F(SecuredLoad, Generation3FileFollowsTheTargetFeatureLevel)
{
    core::Record& r = Record(10);
    r.Set(Item06, 1, 0);
    r.Set(Item27, 1, 0);
    r.Set(Item59, 99);
    r.Set(Item60, 1);
    r.Set(Item44, 15);

    Set_Current(10, 1);
    Load(10);
    EXPECT_EQ(P().Cabin().Control_59->text(), QStringLiteral("99"));
    EXPECT_EQ(P().General().Control_60->currentIndex(), 1);
    EXPECT_EQ(P().Cockpit_Voice().Control_06a1->currentIndex(), 0);
    EXPECT_EQ(P().General().Control_27a->currentIndex(), 0);

    Set_Current(10, 0);
    Load(10);
    EXPECT_EQ(P().Cabin().Control_59->text(), QStringLiteral("56"));
    EXPECT_EQ(P().General().Control_60->currentIndex(), 0);
    EXPECT_EQ(P().Cockpit_Voice().Control_06a1->currentIndex(), 1);
    EXPECT_EQ(P().General().Control_27a->currentIndex(), 1);
}

TEST_F(SecuredLoad, Generation2And4AlwaysLoadItems59And60)
{
    Record(7).Set(Item59, 12);
    Record(7).Set(Item60, 1);
    Record(7).Set(Item44, 15);
    Set_Current(10, 0); // the target's level does not matter here
    Load(7);
    EXPECT_EQ(P().Cabin().Control_59->text(), QStringLiteral("12"));
    EXPECT_EQ(P().General().Control_60->currentIndex(), 1);
}

TEST_F(SecuredLoad, AirframerLevelsKeepTheirFixedValues)
{
    core::Record& r = Record(13);
    r.Set(Item31, 0);
    r.Set(Item43, 0);
    r.Set(Item18, 1);
    r.Set(Item23, 1, 0);
    r.Set(Item44, 9);
    r.Set_Text(Item87, QStringLiteral("PART"));
    r.Set_Text(Description, QStringLiteral("FILE TEXT"));

    Set_Current(13, 2, 1);
    Load(13);
    EXPECT_EQ(P().Cockpit_Voice().Control_31->currentIndex(), 1); // fixed
    EXPECT_EQ(P().Cockpit_Voice().Control_43->currentIndex(), 3);
    EXPECT_EQ(P().Main.Control_53->text(), QStringLiteral("AIRBUS-SECURE-ORT       "));
    EXPECT_EQ(P().Cabin().Control_23a->currentIndex(), 1);       // loaded
    EXPECT_EQ(P().Power().Control_44->currentIndex(), 3);
    EXPECT_EQ(P().Main.Control_87->text(), QStringLiteral("PART"));
    EXPECT_EQ(P().General().Control_18->currentIndex(), 1);

    Set_Current(13, 2, 2);
    Load(13);
    EXPECT_EQ(P().Cabin().Control_23a->currentIndex(), 0);       // fixed
    EXPECT_EQ(P().Power().Control_44->currentIndex(), 1);        // default, no box
    EXPECT_EQ(P().Main.Control_87->text(), QString());           // not loaded
    EXPECT_EQ(P().General().Control_18->currentIndex(), 1);      // always loaded
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(SecuredLoad, UserOnlyAndUnknownTypesChangeNoControl)
{
    Set_Current(13, 2);
    Secured_Mod::Set_Secured_Defaults_New(P());
    for (std::int32_t type : {5, 8, 11, 14}) {
        boxes.Clear();
        Set_Loaded_Type(type);
        Secured_Mod::Update_GUI(P());
        ASSERT_EQ(boxes.Texts(), QStringList{QStringLiteral("Warning, Convertion uses some or all default values.")});
    }
    boxes.Clear();
    Set_Loaded_Type(2);
    Secured_Mod::Update_GUI(P());
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("Secure Update_GUI: Unsupported version: 2")});
    EXPECT_EQ(P().Main.Control_53->text(), QStringLiteral("------------------------"));
    EXPECT_EQ(P().Power().Control_44->currentIndex(), 1);
}

TEST_F(SecuredLoad, AListIndexTheListDoesNotOfferIsRefused)
{
    Set_Current(7, 1);
    Record(7).Set(Item18, 4); // four entries: 0 to 3
    Set_Loaded_Type(7);
    Secured_Mod::Set_Secured_Defaults_New(P());
    EXPECT_THROW(Secured_Mod::Update_GUI(P()), std::out_of_range);
    Record(7).Set(Item18, -2);
    EXPECT_THROW(Secured_Mod::Update_GUI(P()), std::out_of_range);
    Record(7).Set(Item18, 0);
    Record(7).Set(Item42, 200); // a byte index far beyond the list
    EXPECT_THROW(Secured_Mod::Update_GUI(P()), std::out_of_range);
}

TEST_F(SecuredLoad, ReportLinesForTextsAndOutOfRangeNumbers)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("report.txt"));
    core::Record& r = Record(13);
    r.Set_Text(Description, QStringLiteral("my ort"));
    r.Set_Text(Item51, QStringLiteral("<s\x01t"), 0);
    r.Set_Text(Item51, QStringLiteral("A{B"), 1);
    r.Set_Text(Item87, QStringLiteral("---------------"));
    r.Set(Item22_HGA, 40);
    r.Set(Item29, 200, 0);
    r.Set(Item44, 15);
    r.Set(Item46, 125, 0);
    Set_Current(13, 2);
    {
        core::Conversion_Report report(path);
        Load(13);
    }
    // A cleared part number keeps its dashes.
    EXPECT_EQ(P().Main.Control_87->text(), QStringLiteral("---------------"));
    EXPECT_EQ(P().Power().Control_22a->text(), QStringLiteral("7"));
    EXPECT_EQ(P().Power().Control_29a1->text(), QStringLiteral("8.0"));
    EXPECT_EQ(P().General().Control_51a->text(), QStringLiteral("<S"));
    EXPECT_EQ(P().General().Control_51b->text(), QStringLiteral("A{B"));

    const QStringList lines = Report_Text(path).split(QStringLiteral("\r\n"));
    const auto prefix = [](const char* label) {
        return QStringLiteral("Item ") + QString::fromLatin1(label) + QStringLiteral(" - ");
    };
    const auto pad = [&](const char* label) { return QString(prefix(label).size() + 4, u' '); };
    const auto default_lines = [&](const char* label, const QString& was, const QString& now) {
        return QStringList{QStringLiteral("    ") + prefix(label) + QStringLiteral("Default:    ") + was,
                           pad(label) + QStringLiteral("Changed to: ") + now};
    };
    const auto range_lines = [&](const char* label, const QString& was, const QString& now) {
        return QStringList{QStringLiteral("*** ") + prefix(label) +
                               QStringLiteral("Value out of range, was: ") + was,
                           pad(label) + QStringLiteral("             Changed to: ") + now};
    };
    const QStringList items = lines.mid(9);
    const QStringList expected =
        default_lines("liii", QStringLiteral("------------------------"), QStringLiteral("MY ORT")) +
        range_lines("xxii - HGA Only", QStringLiteral("40"), QStringLiteral("7")) +
        range_lines("xxix - Class C, SDU 1", QStringLiteral("200"), QStringLiteral("80")) +
        default_lines("li - SDU 1", QStringLiteral("<SAT"), QStringLiteral("<S")) +
        default_lines("li - SDU 2", QStringLiteral("<SAT-2"), QStringLiteral("A{B")) +
        QStringList{QString()};
    ASSERT_GE(lines.size(), 9);
    EXPECT_EQ(lines[0], QStringLiteral("QUENDRALL/MORVIK ORT FILE OPEN/READ/CONVERT REPORT"));
    EXPECT_EQ(items, expected);
}
