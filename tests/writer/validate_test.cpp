#include "support/scripted_messages.h"
#include "writer/boeing_file_data.h"
#include "writer_fixtures.h"

#include <gtest/gtest.h>

using namespace quarnel;
using namespace writer_test;

namespace {

rc::Ref<BoeingFileData> New_Object()
{
    return rc::Ref<BoeingFileData>::Adopt(BoeingFileData::Create());
}

} // namespace

TEST(WriterCallback, SecondRegistrationKeepsTheFirstCallback)
{
    auto obj = New_Object();
    auto first = Recording_Callback::Make();
    auto second = Recording_Callback::Make();
    EXPECT_EQ(obj->setCallbackAdvise(first.get()), rc::RC_OK);
    EXPECT_EQ(first->Count(), 2u);
    EXPECT_EQ(obj->setCallbackAdvise(second.get()), rc::Code(0x80010047u));
    EXPECT_EQ(second->Count(), 1u);

    testsupport::ScriptedMessages msgs;
    Bool16 vb = 0;
    obj->setUploadParameters(u"D", u"F", u"ABC", u"58A6C", u"", B777, &vb);
    EXPECT_EQ(obj->validateFileData(&vb), rc::RC_OK);
    EXPECT_EQ(first->numbers, QStringList{"2378-ABC-58A-6C"});
    EXPECT_TRUE(second->numbers.isEmpty());
}

TEST(WriterCallback, ObjectReleasesItsCallbackReferenceWhenDestroyed)
{
    auto cb = Recording_Callback::Make();
    {
        auto obj = New_Object();
        obj->setCallbackAdvise(cb.get());
        EXPECT_EQ(cb->Count(), 2u);
    }
    EXPECT_EQ(cb->Count(), 1u);
}

TEST(WriterValidate, WithoutCallbackFailsWithoutBoxAndLeavesTheAnswer)
{
    testsupport::ScriptedMessages msgs;
    auto obj = New_Object();
    Bool16 vb = 5;
    EXPECT_EQ(obj->validateFileData(&vb), rc::Code(0x800104B1u));
    EXPECT_TRUE(rc::Failed(obj->validateFileData(&vb)));
    EXPECT_EQ(vb, 5);
    EXPECT_TRUE(msgs.Boxes().isEmpty());
}

TEST(WriterValidate, FreshObjectReportsABlankPartNumberThenRefusesTheDiskette)
{
    testsupport::ScriptedMessages msgs;
    auto obj = New_Object();
    auto cb = Recording_Callback::Make();
    obj->setCallbackAdvise(cb.get());
    Bool16 vb = 5;
    EXPECT_EQ(obj->validateFileData(&vb), rc::RC_FALSE);
    EXPECT_EQ(vb, rc::BOOL16_FALSE);
    EXPECT_EQ(cb->numbers, QStringList{"2301-   -   -  "});
    EXPECT_EQ(msgs.Texts(), QStringList{"Diskette Part Number Invalid!"});
    EXPECT_EQ(msgs.Boxes()[0].title, "ERROR");
}

TEST(WriterValidate, MissingFieldsAreRefusedInTheirOrderAfterTheCallback)
{
    testsupport::ScriptedMessages msgs;
    auto obj = New_Object();
    auto cb = Recording_Callback::Make();
    obj->setCallbackAdvise(cb.get());
    Bool16 vb = 0;
    obj->setDiskPartNumber(u"", &vb);
    obj->validateFileData(&vb);
    obj->setDataFilePartNumber(u"", &vb);
    obj->validateFileData(&vb);
    obj->setManufacturerIdentifier(u"ABC", &vb);
    obj->validateFileData(&vb);
    EXPECT_EQ(msgs.Texts(), (QStringList{"Data File Part Number Invalid!", "Manufacturer ID Invalid!",
                                         "Product ID Invalid!"}));
    ASSERT_EQ(cb->numbers.size(), 3);
    EXPECT_EQ(cb->numbers[2], "2361-ABC-   -  ");
    msgs.Clear();
    obj->setProductIdentifier(u"58A6C", &vb);
    EXPECT_EQ(obj->validateFileData(&vb), rc::RC_OK);
    EXPECT_EQ(vb, rc::BOOL16_TRUE);
    EXPECT_TRUE(msgs.Boxes().isEmpty());
    EXPECT_EQ(cb->numbers.last(), "2378-ABC-58A-6C");
    EXPECT_EQ(obj->Parameters().part_number_base, QByteArray("23ABC58A6C"));
    EXPECT_EQ(obj->Parameters().load_part_number, QByteArray("2378-ABC-58A-6C"));
}
