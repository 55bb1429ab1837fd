#include "support/scripted_messages.h"
#include "writer/boeing_file_data.h"
#include "writer_fixtures.h"

#include <gtest/gtest.h>

using namespace quarnel;
using namespace writer_test;

namespace {

struct Setters : ::testing::Test {
    testsupport::ScriptedMessages msgs;
    rc::Ref<BoeingFileData> obj = rc::Ref<BoeingFileData>::Adopt(BoeingFileData::Create());
    Bool16 vb = 7;

    // The call refused with exactly one "ERROR" box reading text.
    void Expect_Refused(Result r, const QString& text)
    {
        EXPECT_EQ(r, rc::RC_FALSE);
        EXPECT_EQ(vb, rc::BOOL16_FALSE);
        ASSERT_EQ(msgs.Boxes().size(), 1) << text.toStdString();
        EXPECT_EQ(msgs.Boxes()[0].text, text);
        EXPECT_EQ(msgs.Boxes()[0].title, "ERROR");
        EXPECT_TRUE(msgs.Boxes()[0].unowned);
        EXPECT_EQ(msgs.Boxes()[0].icon, platform::MsgIcon::Exclamation);
        EXPECT_EQ(msgs.Boxes()[0].buttons, platform::MsgButtons::Ok);
        msgs.Clear();
        vb = 7;
    }
    void Expect_Accepted(Result r)
    {
        EXPECT_EQ(r, rc::RC_OK);
        EXPECT_EQ(vb, rc::BOOL16_TRUE);
        EXPECT_TRUE(msgs.Boxes().isEmpty());
        vb = 7;
    }
};

} // namespace

TEST_F(Setters, PartNumbersUpToFifteenCharactersAreBlankPadded)
{
    Expect_Accepted(obj->setDiskPartNumber(u"ABCDEFGHIJKLMNO", &vb));
    EXPECT_EQ(obj->Parameters().diskette_part_number, QByteArray("ABCDEFGHIJKLMNO"));
    Expect_Refused(obj->setDiskPartNumber(u"ABCDEFGHIJKLMNOP", &vb),
                   "Diskette Part Number longer than 15 characters!");
    EXPECT_EQ(obj->Parameters().diskette_part_number, QByteArray("ABCDEFGHIJKLMNO"));
    Expect_Accepted(obj->setDiskPartNumber(u"", &vb));
    EXPECT_EQ(obj->Parameters().diskette_part_number, QByteArray(15, ' '));
    Expect_Accepted(obj->setDiskPartNumber(nullptr, &vb));
    EXPECT_EQ(obj->Parameters().diskette_part_number, QByteArray(15, ' '));

    Expect_Accepted(obj->setDataFilePartNumber(u"DF-1", &vb));
    EXPECT_EQ(obj->Parameters().data_file_part_number, QByteArray("DF-1           "));
    Expect_Refused(obj->setDataFilePartNumber(u"0123456789ABCDEF", &vb),
                   "Data File Part Number longer than 15 characters!");
    EXPECT_EQ(obj->Parameters().data_file_part_number, QByteArray("DF-1           "));
}

TEST_F(Setters, LengthIsCountedAfterConversionToTheCodePage)
{
    // Fifteen characters, one of them outside the code page: accepted as "?".
    Expect_Accepted(obj->setDiskPartNumber(u"ABCDEFGHIJKLMN\u0416", &vb));
    EXPECT_EQ(obj->Parameters().diskette_part_number, QByteArray("ABCDEFGHIJKLMN?"));
}

TEST_F(Setters, ManufacturerIdentifier)
{
    Expect_Accepted(obj->setManufacturerIdentifier(u"ab1", &vb));
    EXPECT_EQ(obj->Parameters().manufacturer_identifier, QByteArray("AB1"));
    const QString length = "The Manuafcturer ID must contain 3 alphanumeric characters!";
    Expect_Refused(obj->setManufacturerIdentifier(u"AB", &vb), length);
    Expect_Refused(obj->setManufacturerIdentifier(u"ABCD", &vb), length);
    Expect_Refused(obj->setManufacturerIdentifier(nullptr, &vb), length);
    Expect_Refused(obj->setManufacturerIdentifier(u"A-1", &vb),
                   "Non-alphanumeric character entered for Manufacturer ID!");
    Expect_Refused(obj->setManufacturerIdentifier(u"A\u00C91", &vb),
                   "Non-alphanumeric character entered for Manufacturer ID!");
    EXPECT_EQ(obj->Parameters().manufacturer_identifier, QByteArray("AB1"));
    // Q and Z are fine in a manufacturer identifier.
    Expect_Accepted(obj->setManufacturerIdentifier(u"QZ9", &vb));
}

TEST_F(Setters, ProductIdentifier)
{
    Expect_Accepted(obj->setProductIdentifier(u"58a6c", &vb));
    EXPECT_EQ(obj->Parameters().product_identifier, QByteArray("58A6C"));
    const QString invalid = "Invalid character 'I', 'O', 'Q', or 'Z'";
    Expect_Refused(obj->setProductIdentifier(u"58z6C", &vb), invalid);
    Expect_Refused(obj->setProductIdentifier(u"I8A6C", &vb), invalid);
    Expect_Refused(obj->setProductIdentifier(u"58AoC", &vb), invalid);
    Expect_Refused(obj->setProductIdentifier(u"5QA6C", &vb), invalid);
    Expect_Refused(obj->setProductIdentifier(u"58-6C", &vb),
                   "Non-alphanumeric character entered for Product ID!");
    // The characters are examined from the first: a Z before a dash is the Z.
    Expect_Refused(obj->setProductIdentifier(u"Z8-6C", &vb), invalid);
    Expect_Refused(obj->setProductIdentifier(u"5-Z6C", &vb),
                   "Non-alphanumeric character entered for Product ID!");
    Expect_Refused(obj->setProductIdentifier(u"58A6", &vb),
                   "The Product ID must contain 5 alphanumeric characters!");
    EXPECT_EQ(obj->Parameters().product_identifier, QByteArray("58A6C"));
}

TEST_F(Setters, OrtFilePathUpTo260Characters)
{
    const QString ok = "/" + QString(259, 'p');
    Expect_Accepted(obj->setORTfilePath(rc::To_BStr(ok), &vb));
    EXPECT_EQ(obj->Parameters().ort_file_path, ok.toLatin1());
    EXPECT_EQ(obj->Parameters().ort_file_path_unicode, ok);
    const QString too_long = ok + "x";
    Expect_Refused(obj->setORTfilePath(rc::To_BStr(too_long), &vb),
                   "ORT file path longer than 260 characters!");
    EXPECT_EQ(obj->Parameters().ort_file_path, ok.toLatin1());
    // Kept as given for file access, converted for the record.
    Expect_Accepted(obj->setORTfilePath(u"/tmp/\u0414\u0438\u0441\u043a/", &vb));
    EXPECT_EQ(obj->Parameters().ort_file_path, QByteArray("/tmp/") + QByteArray(4, '?') + "/");
    EXPECT_EQ(obj->Parameters().ort_file_path_unicode, QStringLiteral("/tmp/\u0414\u0438\u0441\u043a/"));
}

TEST_F(Setters, FileTypeModeOutOfRangeFallsBackToBoeingWithoutABox)
{
    Expect_Accepted(obj->setFileTypeMode(CNTRL, &vb));
    EXPECT_EQ(obj->Parameters().file_mode, CNTRL);
    EXPECT_EQ(obj->setFileTypeMode(static_cast<en_File_Mode>(7), &vb), rc::RC_FALSE);
    EXPECT_EQ(vb, rc::BOOL16_FALSE);
    EXPECT_EQ(obj->Parameters().file_mode, Boeing);
    EXPECT_EQ(obj->setFileTypeMode(static_cast<en_File_Mode>(-1), &vb), rc::RC_FALSE);
    EXPECT_TRUE(msgs.Boxes().isEmpty());
}

TEST_F(Setters, UploadParametersStopAtTheFirstRefusal)
{
    Expect_Accepted(obj->setUploadParameters(u"D0", u"F0", u"XYZ", u"12345", u"/old/", B777, &vb));
    Expect_Refused(obj->setUploadParameters(u"DISK", u"DATA", u"A-C", u"58A6C", u"/new/", CNTRL, &vb),
                   "Non-alphanumeric character entered for Manufacturer ID!");
    const Upload_Parameters& p = obj->Parameters();
    EXPECT_EQ(p.diskette_part_number, QByteArray("DISK           "));
    EXPECT_EQ(p.data_file_part_number, QByteArray("DATA           "));
    EXPECT_EQ(p.manufacturer_identifier, QByteArray("XYZ"));
    EXPECT_EQ(p.product_identifier, QByteArray("12345"));
    EXPECT_EQ(p.ort_file_path, QByteArray("/old/"));
    EXPECT_EQ(p.file_mode, B777);
}

TEST_F(Setters, UploadParametersWithABadModeAnswerFalseWithoutABox)
{
    EXPECT_EQ(obj->setUploadParameters(u"D", u"F", u"ABC", u"58A6C", u"/p/", static_cast<en_File_Mode>(9), &vb),
              rc::RC_FALSE);
    EXPECT_EQ(vb, rc::BOOL16_FALSE);
    EXPECT_TRUE(msgs.Boxes().isEmpty());
    EXPECT_EQ(obj->Parameters().ort_file_path, QByteArray("/p/"));
}

TEST_F(Setters, ProgressSwitchAcceptsOnlyTheTrueValueAsOn)
{
    Expect_Accepted(obj->setProgressDialogOnOff(rc::BOOL16_TRUE, &vb));
    EXPECT_TRUE(obj->Progress_On());
    Expect_Accepted(obj->setProgressDialogOnOff(1, &vb));
    EXPECT_FALSE(obj->Progress_On());
}

TEST_F(Setters, NullResultPointerIsRefusedWithoutTouchingState)
{
    EXPECT_EQ(obj->setManufacturerIdentifier(u"ABC", nullptr), rc::RC_POINTER);
    EXPECT_TRUE(obj->Parameters().manufacturer_identifier.isEmpty());
    EXPECT_EQ(obj->write777Files(nullptr), rc::RC_POINTER);
    EXPECT_TRUE(msgs.Boxes().isEmpty());
}
