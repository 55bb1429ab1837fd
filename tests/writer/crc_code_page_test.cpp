#include "writer/code_page.h"
#include "writer/crc.h"

#include <gtest/gtest.h>

using namespace quarnel;

TEST(WriterCrc, CheckValuesOfTheTwoCrcs)
{
    EXPECT_EQ(Crc16_Of("123456789"), 0x29B1);
    EXPECT_EQ(Crc32_Of("123456789"), 0xFC891918u);
    EXPECT_EQ(Crc16_Of(QByteArray()), 0xFFFF);
    EXPECT_EQ(Crc32_Of(QByteArray()), 0x00000000u);
}

TEST(WriterCrc, RunningValueOverPiecesEqualsOnePiece)
{
    const QByteArray all("The quick brown fox jumps over the lazy dog\x00\xFF\x80", 46);
    for (int cut : {0, 1, 7, 20, 46}) {
        const QByteArray a = all.left(cut), b = all.mid(cut);
        EXPECT_EQ(crc16Update(b, crc16Update(a, CRC16_START)), Crc16_Of(all)) << cut;
        EXPECT_EQ(~crc32Update(b, crc32Update(a, CRC32_START)), Crc32_Of(all)) << cut;
    }
}

TEST(WriterCodePage, AsciiAndLatinOneKeepTheirCodes)
{
    EXPECT_EQ(To_Ansi(QStringLiteral("ABC 58a6c")), QByteArray("ABC 58a6c"));
    EXPECT_EQ(To_Ansi(QString(QChar(0x00E9)) + QChar(0x00FF) + QChar(0x00A0)), QByteArray("\xE9\xFF\xA0"));
}

TEST(WriterCodePage, TheHighBlockMapsToItsOwnCharacters)
{
    EXPECT_EQ(To_Ansi(QString(QChar(0x20AC))), QByteArray("\x80"));
    EXPECT_EQ(To_Ansi(QString(QChar(0x2122))), QByteArray("\x99"));
    EXPECT_EQ(To_Ansi(QString(QChar(0x0178))), QByteArray("\x9F"));
    EXPECT_EQ(To_Ansi(QString(QChar(0x201C)) + QChar(0x201D)), QByteArray("\x93\x94"));
    // The undefined bytes round-trip; other C1 controls do not exist in the page.
    EXPECT_EQ(To_Ansi(QString(QChar(0x0081))), QByteArray("\x81"));
    EXPECT_EQ(To_Ansi(QString(QChar(0x0080))), QByteArray("?"));
}

TEST(WriterCodePage, UnmappableCharactersBecomeOneQuestionMarkEach)
{
    EXPECT_EQ(To_Ansi(QStringLiteral("A\u0416B\u4E2D")), QByteArray("A?B?"));
    const char16_t pair[] = {u'x', 0xD83D, 0xDE00, u'y', 0};
    EXPECT_EQ(To_Ansi(pair), QByteArray("x?y"));
    const char16_t lone[] = {0xDC00, u'z', 0};
    EXPECT_EQ(To_Ansi(lone), QByteArray("?z"));
    EXPECT_EQ(To_Ansi(static_cast<platform::component::BStr>(nullptr)), QByteArray());
}

TEST(WriterCodePage, EveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(To_Ansi(From_Ansi(all)), all);
    EXPECT_EQ(From_Ansi("\x80\x8A"), QString(QChar(0x20AC)) + QChar(0x0160));
}
