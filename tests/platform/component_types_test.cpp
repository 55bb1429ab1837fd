#include "platform/component_object.h"
#include "platform/component_ref.h"
#include "platform/component_types.h"

#include <gtest/gtest.h>

using namespace platform::component;

namespace {

class IGreeter : public IObject {
public:
    static constexpr Guid Iid{0x11111111, 0x2222, 0x3333, {0x44, 0x44, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55}};
    virtual int Greet() = 0;

protected:
    ~IGreeter() = default;
};

class ICounter : public IObject {
public:
    static constexpr Guid Iid{0x11111111, 0x2222, 0x3333, {0x44, 0x44, 0x55, 0x55, 0x55, 0x55, 0x55, 0x56}};
    virtual int Next() = 0;

protected:
    ~ICounter() = default;
};

class Both final : public Object<IGreeter, ICounter> {
public:
    static Both* Create(int* destroyed) { return new Both(destroyed); }
    int Greet() override { return 42; }
    int Next() override { return ++n_; }

private:
    explicit Both(int* destroyed) : destroyed_(destroyed) {}
    ~Both() override { ++*destroyed_; }
    int* destroyed_;
    int n_ = 0;
};

} // namespace

TEST(ComponentGuid, TextRoundTripAndMalformedInput)
{
    constexpr Guid id{0x3B70B1DD, 0xE909, 0x47D1, {0x99, 0xFE, 0xD5, 0x37, 0x93, 0x8C, 0xC4, 0xD9}};
    EXPECT_EQ(Guid_Text(id), "{3B70B1DD-E909-47D1-99FE-D537938CC4D9}");
    EXPECT_EQ(Parse_Guid("{3b70b1dd-e909-47d1-99fe-d537938cc4d9}"), id);
    EXPECT_EQ(Parse_Guid("3B70B1DD-E909-47D1-99FE-D537938CC4D9"), id);
    EXPECT_EQ(Guid_Text(Guid{0x1, 0x2, 0x3, {0, 1, 2, 3, 4, 5, 6, 7}}),
              "{00000001-0002-0003-0001-020304050607}");
    EXPECT_FALSE(Parse_Guid("{3B70B1DD-E909-47D1-99FE-D537938CC4D9"));
    EXPECT_FALSE(Parse_Guid("{3B70B1DD-E909-47D1-99FE-D537938CC4DX}"));
    EXPECT_FALSE(Parse_Guid("{3B70B1DDE909-47D1-99FE-D537938CC4D9}"));
    EXPECT_FALSE(Parse_Guid(""));
}

TEST(ComponentResult, CodesAndText)
{
    EXPECT_TRUE(Succeeded(RC_OK));
    EXPECT_TRUE(Succeeded(RC_FALSE));
    EXPECT_TRUE(Failed(RC_CALLBACK_ALREADY_SET));
    EXPECT_EQ(static_cast<std::uint32_t>(RC_CALLBACK_ALREADY_SET), 0x80010047u);
    EXPECT_EQ(static_cast<std::uint32_t>(RC_NO_CALLBACK), 0x800104B1u);
    EXPECT_EQ(Result_Text(RC_CLASS_NOT_REGISTERED), "80040154");
    EXPECT_EQ(Result_Text(RC_FALSE), "00000001");
}

TEST(ComponentStrings, NullIsEmptyAndUtf16SurvivesTheBoundary)
{
    EXPECT_TRUE(From_BStr(nullptr).isEmpty());
    const QString text = QStringLiteral("Disk \u20AC \U0001F600");
    EXPECT_EQ(From_BStr(To_BStr(text)), text);
    EXPECT_EQ(To_BStr(QString())[0], u'\0');
}

TEST(ComponentObject, QueryInterfaceCountsAndTheLastReleaseDeletes)
{
    int destroyed = 0;
    Both* raw = Both::Create(&destroyed);
    void* p = nullptr;
    ASSERT_EQ(raw->QueryInterface(ICounter::Iid, &p), RC_OK);
    auto* counter = static_cast<ICounter*>(p);
    EXPECT_EQ(counter->Next(), 1);
    ASSERT_EQ(counter->QueryInterface(IGreeter::Iid, &p), RC_OK);
    auto* greeter = static_cast<IGreeter*>(p);
    EXPECT_EQ(greeter->Greet(), 42);
    ASSERT_EQ(greeter->QueryInterface(IObject::Iid, &p), RC_OK);
    auto* base = static_cast<IObject*>(p);
    // Four references now: the creation and three lookups.
    EXPECT_EQ(base->Release(), 3u);
    EXPECT_EQ(greeter->Release(), 2u);
    EXPECT_EQ(counter->Release(), 1u);
    EXPECT_EQ(destroyed, 0);
    const Guid other{9, 9, 9, {}};
    p = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(raw->QueryInterface(other, &p), RC_NO_INTERFACE);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(raw->QueryInterface(other, nullptr), RC_POINTER);
    EXPECT_EQ(static_cast<IGreeter*>(raw)->Release(), 0u);
    EXPECT_EQ(destroyed, 1);
}

TEST(ComponentRef, ReleasesOnEveryPath)
{
    int destroyed = 0;
    {
        auto greeter = Ref<IGreeter>::Adopt(Both::Create(&destroyed));
        Ref<ICounter> counter = greeter.As<ICounter>();
        ASSERT_TRUE(counter);
        Ref<IGreeter> copy = greeter;
        Ref<IGreeter> moved = std::move(copy);
        EXPECT_FALSE(copy);
        EXPECT_EQ(moved->Greet(), 42);
        counter.reset();
        EXPECT_FALSE(counter);
        // put() drops what it held before the call fills it again.
        void** slot = moved.put();
        EXPECT_EQ(*slot, nullptr);
        EXPECT_EQ(destroyed, 0);
    }
    EXPECT_EQ(destroyed, 1);

    Both* raw = Both::Create(&destroyed);
    {
        auto shared = Ref<IGreeter>::Share(raw);
        EXPECT_EQ(raw->AddRef(), 3u);
        raw->Release();
    }
    EXPECT_EQ(destroyed, 1);
    auto held = Ref<IGreeter>::Adopt(raw);
    IGreeter* detached = held.detach();
    EXPECT_FALSE(held);
    detached->Release();
    EXPECT_EQ(destroyed, 2);
}
