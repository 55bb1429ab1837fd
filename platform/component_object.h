#pragma once
// Reference counting and interface lookup for objects that implement
// component interfaces. An implementation derives from Object<I1, I2...>,
// where each I derives from IObject and names its id as I::Iid; the object
// is created with a count of one and deletes itself on the last Release.

#include "platform/component_types.h"

#include <atomic>

namespace platform::component {

template <class First, class... Rest>
class Object : public First, public Rest... {
public:
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    Result QueryInterface(const Guid& iid, void** out) override
    {
        if (!out)
            return RC_POINTER;
        *out = nullptr;
        if (iid == IObject::Iid)
            *out = static_cast<IObject*>(static_cast<First*>(this));
        else
            Find<First, Rest...>(iid, out);
        if (!*out)
            return RC_NO_INTERFACE;
        AddRef();
        return RC_OK;
    }
    std::uint32_t AddRef() override { return ++count_; }
    std::uint32_t Release() override
    {
        const std::uint32_t left = --count_;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    Object() = default;
    virtual ~Object() = default;

private:
    template <class I, class... More>
    void Find(const Guid& iid, void** out)
    {
        if (iid == I::Iid) {
            *out = static_cast<I*>(this);
            return;
        }
        if constexpr (sizeof...(More) > 0)
            Find<More...>(iid, out);
    }

    std::atomic<std::uint32_t> count_{1};
};

} // namespace platform::component
