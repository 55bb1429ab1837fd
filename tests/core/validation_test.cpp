#include "editor/core/validation.h"

#include "support/scripted_messages.h"

#include <gtest/gtest.h>

using namespace core;
using platform::MsgIcon;
using testsupport::ScriptedMessages;

namespace {

const QString TITLE = QStringLiteral("Ring Timeout");
const QString DEFAULT_BOX = QStringLiteral("Value Out of Range, Setting to Default");
const QString MINIMUM_BOX = QStringLiteral("Value Out of Range, Setting to Minimum");
const QString MAXIMUM_BOX = QStringLiteral("Value Out of Range, Setting to Maximum");

// One exclamation box with the given text and title (empty = program title).
void Expect_Box(const testsupport::Recorded_Box& box, const QString& text, const QString& title)
{
    EXPECT_EQ(box.icon, MsgIcon::Exclamation);
    EXPECT_EQ(box.buttons, platform::MsgButtons::Ok);
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.title, title);
}

} // namespace

TEST(ValidateString, TrimsUpperCasesAndDropsControlCharacters)
{
    ScriptedMessages msgs;
    bool cancel = false;
    EXPECT_EQ(Validate_String(QStringLiteral("  abc  "), 1, TITLE, cancel), "ABC");
    EXPECT_FALSE(cancel);
    EXPECT_EQ(Validate_String(QStringLiteral("a\tb\x7f" "c\u00e9"), 0, TITLE, cancel), "abc");
    EXPECT_FALSE(cancel);
    EXPECT_EQ(Validate_String(QStringLiteral("abc"), 13, TITLE, cancel), "abc");
    EXPECT_TRUE(msgs.Boxes().isEmpty());
}

TEST(ValidateString, InvalidCharacterGivesOneBoxTitledWithTheProgram)
{
    ScriptedMessages msgs;
    bool cancel = false;
    EXPECT_EQ(Validate_String(QStringLiteral(" a1b "), 4, TITLE, cancel), "a1b");
    EXPECT_TRUE(cancel);
    ASSERT_EQ(msgs.Boxes().size(), 1);
    Expect_Box(msgs.Boxes()[0], TITLE + " contains invalid character", QString());
}

TEST(ValidateReal, FormatsAndKeepsInRange)
{
    ScriptedMessages msgs;
    bool cancel = false;
    EXPECT_EQ(Validate_Real(1, QStringLiteral("4"), QStringLiteral("4.0"), 0, 25.5, TITLE, cancel), "4.0");
    EXPECT_EQ(Validate_Real(1, QStringLiteral("0"), QStringLiteral("4.0"), 0, 25.5, TITLE, cancel), "0.0");
    EXPECT_EQ(Validate_Real(1, QStringLiteral("25.5"), QStringLiteral("4.0"), 0, 25.5, TITLE, cancel), "25.5");
    EXPECT_EQ(Validate_Real(1, QStringLiteral(" 12.25 "), QStringLiteral("4.0"), 0, 25.5, TITLE, cancel), "12.3");
    EXPECT_EQ(Validate_Real(0, QStringLiteral("2.5"), QStringLiteral("5"), 0, 255, TITLE, cancel), "3");
    EXPECT_EQ(Validate_Real(0, QStringLiteral("255"), QStringLiteral("5"), 0, 255, TITLE, cancel), "255");
    EXPECT_FALSE(cancel);
    EXPECT_TRUE(msgs.Boxes().isEmpty());
}

TEST(ValidateReal, CorrectionsShowOneBoxTitledWithTheCaller)
{
    ScriptedMessages msgs;
    const struct {
        int mode;
        const char* text;
        const char* result;
        QString box;
    } cases[] = {
        {1, "abc", "4.0", DEFAULT_BOX},
        {1, "", "4.0", DEFAULT_BOX},
        {1, "1,5", "4.0", DEFAULT_BOX},
        {1, "-0.1", "0.0", MINIMUM_BOX},
        {1, "25.51", "25.5", MAXIMUM_BOX},
        {0, "1e6", "255", MAXIMUM_BOX},
        {0, "-3", "0", MINIMUM_BOX},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        msgs.Clear();
        bool cancel = false;
        const double maximum = c.mode == 1 ? 25.5 : 255;
        const QString def = c.mode == 1 ? QStringLiteral("4") : QStringLiteral("5");
        const QString result = Validate_Real(c.mode, QString::fromLatin1(c.text), def, 0, maximum, TITLE, cancel);
        EXPECT_EQ(result, QString::fromLatin1(c.result));
        EXPECT_TRUE(cancel);
        ASSERT_EQ(msgs.Boxes().size(), 1);
        Expect_Box(msgs.Boxes()[0], c.box, TITLE);
    }
}

TEST(ValidateOctal, RangeDefaultAndPadding)
{
    ScriptedMessages msgs;
    bool cancel = false;
    EXPECT_EQ(Validate_Octal(QStringLiteral("17"), 0, 0, 0377, TITLE, 3, cancel), "017");
    EXPECT_EQ(Validate_Octal(QStringLiteral("1234"), 0, 0, 07777, TITLE, 3, cancel), "1234");
    EXPECT_FALSE(cancel);
    EXPECT_TRUE(msgs.Boxes().isEmpty());

    EXPECT_EQ(Validate_Octal(QString(), 010, 0, 0377, TITLE, 3, cancel), "010");
    EXPECT_TRUE(cancel);
    ASSERT_EQ(msgs.Boxes().size(), 1);
    Expect_Box(msgs.Boxes()[0], DEFAULT_BOX, TITLE);

    msgs.Clear();
    cancel = false;
    EXPECT_EQ(Validate_Octal(QStringLiteral("400"), 0, 1, 0377, TITLE, 3, cancel), "377");
    ASSERT_EQ(msgs.Boxes().size(), 1);
    Expect_Box(msgs.Boxes()[0], MAXIMUM_BOX, TITLE);

    msgs.Clear();
    cancel = false;
    EXPECT_EQ(Validate_Octal(QStringLiteral("0"), 0, 1, 0377, TITLE, 3, cancel), "001");
    ASSERT_EQ(msgs.Boxes().size(), 1);
    Expect_Box(msgs.Boxes()[0], MINIMUM_BOX, TITLE);

    // Far beyond 32 bits: the maximum, not a wrapped value.
    msgs.Clear();
    cancel = false;
    EXPECT_EQ(Validate_Octal(QStringLiteral("7777777777777777777777"), 0, 0, 0377, TITLE, 3, cancel), "377");
    EXPECT_TRUE(cancel);
}

TEST(ValidateOctal, BadCharacterGivesTwoBoxes)
{
    ScriptedMessages msgs;
    bool cancel = false;
    EXPECT_EQ(Validate_Octal(QStringLiteral("8"), 5, 0, 0377, TITLE, 3, cancel), "005");
    EXPECT_TRUE(cancel);
    ASSERT_EQ(msgs.Boxes().size(), 2);
    Expect_Box(msgs.Boxes()[0], TITLE + " contains invalid character", QString());
    Expect_Box(msgs.Boxes()[1], DEFAULT_BOX, TITLE);
}

TEST(ValidateHex, UpperCaseRangeAndDefault)
{
    ScriptedMessages msgs;
    bool cancel = false;
    EXPECT_EQ(Validate_Hex(QStringLiteral("1a"), 0, 0, 0xFF, TITLE, cancel), "1A");
    EXPECT_EQ(Validate_Hex(QStringLiteral("007"), 0, 0, 0xFF, TITLE, cancel), "007");
    EXPECT_FALSE(cancel);
    EXPECT_TRUE(msgs.Boxes().isEmpty());

    const struct {
        const char* text;
        const char* result;
        QString box;
    } cases[] = {
        {"", "3F", DEFAULT_BOX},
        {"1G", "3F", DEFAULT_BOX},
        {" 1A", "3F", DEFAULT_BOX}, // blanks are not hex digits
        {"100", "FF", MAXIMUM_BOX},
        {"0", "10", MINIMUM_BOX},
        {"123456789", "FF", MAXIMUM_BOX}, // does not fit 32 bits
        {"FFFFFFFF", "10", MINIMUM_BOX},  // the 32-bit pattern of -1
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        msgs.Clear();
        cancel = false;
        EXPECT_EQ(Validate_Hex(QString::fromLatin1(c.text), 0x3F, 0x10, 0xFF, TITLE, cancel),
                  QString::fromLatin1(c.result));
        EXPECT_TRUE(cancel);
        ASSERT_EQ(msgs.Boxes().size(), 1);
        Expect_Box(msgs.Boxes()[0], c.box, TITLE);
    }
}

TEST(ValidateHex, ExceptAdmitsTheExtraValueOnly)
{
    ScriptedMessages msgs;
    bool cancel = false;
    EXPECT_EQ(Validate_Hex_Except(QStringLiteral("0"), 1, 1, 0xFFFF, TITLE, 0, cancel), "0");
    EXPECT_EQ(Validate_Hex_Except(QStringLiteral("000"), 1, 1, 0xFFFF, TITLE, 0, cancel), "000");
    EXPECT_FALSE(cancel);
    EXPECT_TRUE(msgs.Boxes().isEmpty());
    EXPECT_EQ(Validate_Hex_Except(QStringLiteral("10000"), 1, 1, 0xFFFF, TITLE, 0, cancel), "FFFF");
    EXPECT_TRUE(cancel);
    ASSERT_EQ(msgs.Boxes().size(), 1);
    Expect_Box(msgs.Boxes()[0], MAXIMUM_BOX, TITLE);
}

TEST(StepReal, StepsByATenthAndStaysInRange)
{
    ScriptedMessages msgs;
    EXPECT_EQ(Step_Real(true, QStringLiteral("12.5"), QStringLiteral("4.0"), 0, 25.5, TITLE), "12.6");
    EXPECT_EQ(Step_Real(false, QStringLiteral("4.1"), QStringLiteral("4.0"), 0, 25.5, TITLE), "4");
    EXPECT_EQ(Step_Real(false, QStringLiteral("0.1"), QStringLiteral("4.0"), 0, 25.5, TITLE), "0");
    EXPECT_EQ(Step_Real(false, QStringLiteral("0.0"), QStringLiteral("4.0"), 0, 25.5, TITLE), "0");
    EXPECT_EQ(Step_Real(true, QStringLiteral("25.5"), QStringLiteral("4.0"), 0, 25.5, TITLE), "25.5");
    EXPECT_EQ(Step_Real(true, QStringLiteral("30"), QStringLiteral("4.0"), 0, 25.5, TITLE), "25.5");
    EXPECT_EQ(Step_Real(true, QStringLiteral("0.2"), QStringLiteral("4.0"), 0, 25.5, TITLE), "0.3");
    EXPECT_TRUE(msgs.Boxes().isEmpty());

    EXPECT_EQ(Step_Real(true, QStringLiteral("x"), QStringLiteral("4.0"), 0, 25.5, TITLE), "4.0");
    ASSERT_EQ(msgs.Boxes().size(), 1);
    Expect_Box(msgs.Boxes()[0], DEFAULT_BOX, TITLE);
}
