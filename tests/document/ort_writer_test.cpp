// Saving ORT files: length, header and CRC of every writable type, the
// open-save-open-save fixed point, whole replacement, refusals, file errors
// and the canonical list order.
#include "tests/document/ort_loader_fixture.h"

#include "editor/document/ort_loader_errors.h"
#include "platform/big_endian.h"

#include <QDirIterator>
#include <QLineEdit>
#include <QListWidget>

using namespace loader_test;

namespace {

class Writer : public Loader_Fixture {
protected:
    // Loads `name` into the target of its type and writes it to `out`.
    QByteArray Open_And_Save(std::int32_t target_type, const QString& name, const QString& out)
    {
        Reset_Program_State();
        Set_Target(Target_Of(target_type));
        EXPECT_EQ(Open(Path(name)), Ort_Loader::Load_Result::Loaded)
            << boxes.Texts().join(u'|').toStdString();
        const std::optional<std::uint16_t> crc = Ort_Writer::Write_ORT(*pages, Path(out));
        EXPECT_TRUE(crc.has_value());
        return Read_All(Path(out));
    }
};

// The file without its save date.
QByteArray Without_Date(const QByteArray& file)
{
    return file.left(30) + file.mid(39);
}

} // namespace

TEST_F(Writer, EveryWritableTypeHasItsLengthHeaderAndCRC)
{
    for (const Target& target : WRITABLE_TARGETS) {
        SCOPED_TRACE(target.Type);
        Reset_Program_State();
        Set_Target(target);
        modVerConv::New_ORT(*pages);
        const QString path = Path(QStringLiteral("w.cfg"));
        const std::optional<std::uint16_t> crc = Ort_Writer::Write_ORT(*pages, path);
        ASSERT_TRUE(crc.has_value());
        const QByteArray file = Read_All(path);
        const std::int32_t length = core::Get_Record_Length(target.Type) + 1;
        ASSERT_EQ(file.size(), 44 + length + 2);

        const core::Header_Parse_Result header = core::Parse_Header(file);
        ASSERT_TRUE(header.Valid);
        EXPECT_EQ(header.Header.Magic, QStringLiteral("OH"));
        EXPECT_EQ(header.Header.Maker_Text, QStringLiteral("QUENDRALL/ZELKO "));
        EXPECT_EQ(header.Header.PN_Prefix, QStringLiteral("6240100-"));
        EXPECT_EQ(header.Header.ORT_Type_Text,
                  QStringLiteral("%1").arg(target.Type, 2, 10, QLatin1Char('0')));
        EXPECT_EQ(file.mid(28, 2), QByteArray("\x00\x2C", 2));
        EXPECT_EQ(header.Header.Save_Date, core::Get_Date_Stamp());
        EXPECT_EQ(static_cast<std::uint8_t>(file[39]), 36);
        EXPECT_EQ(platform::Get_U32(file, 40), static_cast<std::uint32_t>(length));

        const QByteArray data = file.mid(44, length);
        EXPECT_EQ(data, Ort_Writer::Records_Data(target.Type));
        EXPECT_EQ(platform::Get_U16(file, 44 + length), core::Calc_CRC16(data));
        EXPECT_EQ(*crc, core::Calc_CRC16(data));
    }
}

TEST_F(Writer, CompositeRecordsAreWrittenSecuredFirst)
{
    const QByteArray file = Make_Written_File(Target_Of(12), QStringLiteral("c.cfg"));
    EXPECT_EQ(file.mid(44, 426), core::secured::Record_For_Type(12)->Bytes());
    EXPECT_EQ(file.mid(44 + 426, 7272), User_Mod::User_Record_For_Type(12)->Bytes());
}

TEST_F(Writer, OpenSaveOpenSaveIsAFixedPointForEveryType)
{
    for (const std::int32_t type : {8, 9, 11, 12, 14, 15}) {
        SCOPED_TRACE(type);
        Reset_Program_State();
        Make_Written_File(Target_Of(type), QStringLiteral("a.cfg"));
        const QByteArray first = Open_And_Save(type, QStringLiteral("a.cfg"), QStringLiteral("b.cfg"));
        const QByteArray second = Open_And_Save(type, QStringLiteral("b.cfg"), QStringLiteral("c.cfg"));
        EXPECT_EQ(Without_Date(first), Without_Date(second));
        // The load took the saved CRC as its baseline.
        EXPECT_EQ(window.crc, platform::Get_U16(first, first.size() - 2));
    }
}

TEST_F(Writer, FirstGenerationFilesReachAFixedPointAfterConversion)
{
    for (const std::int32_t type : {5, 6}) {
        SCOPED_TRACE(type);
        const std::int32_t target = type == 5 ? 14 : 15;
        Write_All(Path(QStringLiteral("g1.cfg")),
                  Make_File(QStringLiteral("0") + QString::number(type), First_Generation_Data(type)));
        const QByteArray first = Open_And_Save(target, QStringLiteral("g1.cfg"), QStringLiteral("b.cfg"));
        EXPECT_EQ(first.mid(26, 2), QByteArray::number(target));
        const QByteArray second = Open_And_Save(target, QStringLiteral("b.cfg"), QStringLiteral("c.cfg"));
        // A generation-14 load keeps item 13 at its default with airframer
        // level 0, so the first converted save may still change there.
        const QByteArray third = Open_And_Save(target, QStringLiteral("c.cfg"), QStringLiteral("d.cfg"));
        EXPECT_EQ(Without_Date(second), Without_Date(third));
        EXPECT_EQ(second.size(), first.size());
    }
}

TEST_F(Writer, SavingReplacesALongerFileWhole)
{
    Make_Written_File(Target_Of(15), QStringLiteral("x.cfg"));
    ASSERT_EQ(Read_All(Path(QStringLiteral("x.cfg"))).size(), 22582);
    Make_Written_File(Target_Of(7), QStringLiteral("x.cfg"));
    EXPECT_EQ(Read_All(Path(QStringLiteral("x.cfg"))).size(), 704);
}

TEST_F(Writer, ValueOutsideAWritersTableWritesNothing)
{
    struct Case {
        Target target;
        std::int32_t config;
        QString text;
    };
    const Case cases[] = {
        {{7, 99, 99}, 0, QStringLiteral("Write_Version_Secured(...) Invalid ORT Version: 99")},
        {{5, 99, 5}, 1, QStringLiteral("Write_Out(...) Invalid ORT Version: 5")},
        {{6, 4, 5}, 2, QStringLiteral("Write_ORT(...) Invalid ORT Version: 6")},
    };
    for (const Case& c : cases) {
        Reset_Program_State();
        core::Version_State& v = core::Versions();
        v.Secured_Current.Partition_Version = c.target.Secured_Version;
        v.User_Current.Partition_Version = c.target.User_Version;
        v.ORT_Type = c.target.Type;
        v.Partition_Config = c.config;
        boxes.Clear();
        const QString path = Path(QStringLiteral("none.cfg"));
        EXPECT_FALSE(Ort_Writer::Write_ORT(*pages, path).has_value());
        ASSERT_EQ(boxes.Boxes().size(), 1);
        EXPECT_EQ(boxes.Boxes()[0].text, c.text);
        EXPECT_EQ(boxes.Boxes()[0].title, QString());
        EXPECT_FALSE(QFile::exists(path));
    }
}

TEST_F(Writer, FileErrorsCarryTheirNumbersAndLeaveNothingBehind)
{
    Set_Target(Target_Of(14));
    modVerConv::New_ORT(*pages);
    const auto number_of = [&](const QString& path) {
        try {
            Ort_Writer::Write_ORT(*pages, path);
        } catch (const Ort_Loader::File_Error& error) {
            return error.Number();
        }
        return 0;
    };
    EXPECT_EQ(number_of(Path(QStringLiteral("missing/x.cfg"))), 76);
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    EXPECT_EQ(number_of(Path(QStringLiteral("folder"))), 75);
    EXPECT_TRUE(QFileInfo(Path(QStringLiteral("folder"))).isDir());
    // No scratch file is left beside the target.
    QStringList names = QDir(dir.path()).entryList(QDir::Files);
    names.removeAll(QString::fromLatin1(core::REPORT_FILE_NAME));
    EXPECT_TRUE(names.isEmpty()) << names.join(u',').toStdString();
}

TEST_F(Writer, ReplacedFileIsExactlyTheNewBytes)
{
    const QString path = Path(QStringLiteral("r.bin"));
    Write_All(path, QByteArray(1000, 'x'));
    Ort_Writer::Replace_File(path, QByteArray("abc"));
    EXPECT_EQ(Read_All(path), QByteArray("abc"));
}

TEST_F(Writer, UserAndCompositeSavesSortTheGESAndLESLists)
{
    for (const std::int32_t type : {14, 15, 13}) {
        SCOPED_TRACE(type);
        Reset_Program_State();
        Set_Target(Target_Of(type));
        modVerConv::New_ORT(*pages);
        QListWidget* ges = pages->Sat_GES().Control_02;
        ges->insertItem(0, QStringLiteral("07   002   1   LAST"));
        QListWidget* les = pages->HSD_S64().Control_66;
        les->insertItem(0, QStringLiteral("07  555  1"));
        ASSERT_TRUE(Ort_Writer::Write_ORT(*pages, Path(QStringLiteral("s.cfg"))).has_value());
        const bool sorted_expected = type != 13;
        EXPECT_EQ(ges->item(0)->text() != QStringLiteral("07   002   1   LAST"), sorted_expected);
        if (type == 13)
            continue;
        QStringList lines;
        for (int i = 0; i < ges->count(); ++i)
            lines << ges->item(i)->text().left(2);
        QStringList sorted = lines;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(lines, sorted);
        EXPECT_EQ(les->item(les->count() - 1)->text(), QStringLiteral("07  555  1"));
    }
}
