#include "tests/secured_partition/secured_fixture.h"

#include "editor/core/failure_mask.h"
#include "editor/core/text_helpers.h"
#include "editor/document/ver_conv.h"
#include "editor/secured_partition/secured_mod.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace secured_test;

namespace {

class VerConv : public Secured_Fixture {
protected:
    VerConv()
    {
        previous_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        core::Init_Report_Path();
    }
    ~VerConv() override { QDir::setCurrent(previous_); }

    QStringList Report_Lines() const
    {
        QFile file(core::Convert_Report_Path());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"));
    }

    QTemporaryDir dir_;
    QString previous_;
};

} // namespace

TEST_F(VerConv, ConvertWritesTheHeaderThenTheSecuredLines)
{
    Record(7).Set_Text(core::secured::Description, QStringLiteral("FIRST"));
    Record(7).Set(core::secured::Item44, 15);
    Set_Current(13, 2);
    Set_Loaded_Type(7);
    modVerConv::Convert_ORT(P());
    EXPECT_EQ(core::Conversion_Report::Current(), nullptr);

    const QStringList lines = Report_Lines();
    const QStringList header = {
        QStringLiteral("QUENDRALL/MORVIK ORT FILE OPEN/READ/CONVERT REPORT"),
        QStringLiteral("REPORT DATE: ") + core::Get_Date_Stamp(),
        QString(),
        QStringLiteral("Report shows the following:"),
        QStringLiteral("      Differeces from default values,"),
        QStringLiteral("  *** Values changed due to out of range,"),
        QStringLiteral("  ### Values forced to default value."),
        QString(),
        QString(40, u'='),
    };
    ASSERT_GE(lines.size(), 12);
    EXPECT_EQ(lines.mid(0, 9), header);
    EXPECT_EQ(lines[9], QStringLiteral("    Item liii - Default:    ------------------------"));
    EXPECT_TRUE(lines[10].endsWith(QStringLiteral("Changed to: FIRST")));
    EXPECT_EQ(Record(13).Bytes().left(6), QByteArray("FIRST") + '\0');
}

TEST_F(VerConv, EachConversionReplacesTheReport)
{
    Set_Current(13, 2);
    Set_Loaded_Type(7);
    Record(7).Set(core::secured::Item44, 15);
    Record(7).Set_Text(core::secured::Description, QStringLiteral("FIRST"));
    modVerConv::Convert_ORT(P());
    Record(7).Set_Text(core::secured::Description, QStringLiteral("SECOND"));
    modVerConv::Convert_ORT(P());
    const QString text = Report_Lines().join(u'\n');
    EXPECT_FALSE(text.contains(QStringLiteral("FIRST")));
    EXPECT_TRUE(text.contains(QStringLiteral("SECOND")));
}

TEST_F(VerConv, AFailedConversionClosesTheReport)
{
    Set_Current(13, 2);
    Set_Loaded_Type(7);
    Record(7).Set(core::secured::Item18, 9); // not in the list
    EXPECT_THROW(modVerConv::Convert_ORT(P()), std::out_of_range);
    EXPECT_EQ(core::Conversion_Report::Current(), nullptr);
    // The next conversion creates the report again.
    Record(7).Set(core::secured::Item18, 0);
    Record(7).Set(core::secured::Item44, 15);
    EXPECT_NO_THROW(modVerConv::Convert_ORT(P()));
    const QStringList lines = Report_Lines();
    EXPECT_EQ(lines.count(QStringLiteral("QUENDRALL/MORVIK ORT FILE OPEN/READ/CONVERT REPORT")), 1);
    EXPECT_EQ(lines.last(), QString()); // ends with a whole line
}

TEST_F(VerConv, ReportPathThatCannotBeCreatedIsAnError)
{
    QDir(dir_.path()).mkdir(QStringLiteral("TempConvertReport.txt")); // a folder in the way
    Set_Current(13, 2);
    Set_Loaded_Type(13);
    try {
        modVerConv::Convert_ORT(P());
        FAIL() << "no error";
    } catch (const core::Conversion_Report_Error& error) {
        EXPECT_TRUE(modVerConv::Unknown_Error_Text(QStringLiteral("modVerConv.Convert_ORT"), error)
                        .startsWith(QStringLiteral("Unknown Error in modVerConv.Convert_ORT: #75, ")));
    }
}

TEST_F(VerConv, NewSecuredOnlyOrtFillsOnlyTheSecuredControls)
{
    P().Main.Control_33->setText(QStringLiteral("USER TEXT"));
    Set_Current(13, 2);
    modVerConv::New_ORT(P());
    EXPECT_EQ(P().Main.Control_53->text(), QString(24, u'-'));
    EXPECT_EQ(P().Main.Control_33->text(), QStringLiteral("USER TEXT"));
    EXPECT_FALSE(QFile::exists(core::Convert_Report_Path())); // New writes no report
}

TEST_F(VerConv, ErrorTextsNameProcedureNumberAndDescription)
{
    const std::out_of_range refused("list index 9");
    EXPECT_EQ(modVerConv::Unknown_Error_Text(QStringLiteral("modVerConv.Convert_ORT"), refused),
              QStringLiteral("Unknown Error in modVerConv.Convert_ORT: #380, list index 9"));
    const core::Failure_Entry_Error mismatch;
    EXPECT_EQ(modVerConv::Error_Number(mismatch), 13);
    const Secured_Mod::Secured_Data_Error data(QStringLiteral("Item xliv: no priority selected"));
    EXPECT_EQ(modVerConv::Error_Description(data), QStringLiteral("Item xliv: no priority selected"));
}
