#include "platform/big_endian.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(BigEndian, NumbersAreReadAndWrittenHighByteFirst)
{
    QByteArray buf(8, '\0');
    Put_U16(buf, 0, 0xA15C);
    Put_U32(buf, 2, 0x01020304);
    Put_U8(buf, 6, 0xFE);
    EXPECT_EQ(buf.toHex(), QByteArray("a15c01020304fe00"));
    EXPECT_EQ(Get_U16(buf, 0), 0xA15C);
    EXPECT_EQ(Get_U32(buf, 2), 0x01020304u);
    EXPECT_EQ(Get_I8(buf, 6), -2);
    EXPECT_EQ(Get_I16(buf, 0), static_cast<std::int16_t>(0xA15C));
    Put_U32(buf, 4, 0xFFFFFFFF);
    EXPECT_EQ(Get_I32(buf, 4), -1);
}

TEST(BigEndian, AccessOutsideTheBufferThrowsAndWritesNothing)
{
    QByteArray buf(4, 'x');
    EXPECT_THROW(Get_U32(buf, 1), Bounds_Error);
    EXPECT_THROW(Get_U8(buf, -1), Bounds_Error);
    EXPECT_THROW(Get_U16(buf, 3), Bounds_Error);
    EXPECT_THROW(Put_U16(buf, 3, 0x1234), Bounds_Error);
    EXPECT_THROW(Put_Text(buf, 2, 3, "abc"), Bounds_Error);
    EXPECT_EQ(buf, QByteArray("xxxx"));
    EXPECT_NO_THROW(Get_Bytes(buf, 4, 0));
}

TEST(BigEndian, FixedWidthTextsAreCutAndPadded)
{
    QByteArray buf(6, 'z');
    Put_Text(buf, 0, 4, "ab");
    EXPECT_EQ(buf, QByteArray("ab\0\0zz", 6));
    Put_Text(buf, 0, 3, QString::fromUtf8("h\xC3\xA9llo"), ' ');
    EXPECT_EQ(buf.left(3), QByteArray("h?l"));
    EXPECT_EQ(Get_Text(buf, 0, 3), QString("h?l"));
}
