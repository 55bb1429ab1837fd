#pragma once
// Owning holder of one counted interface reference: releases it when it goes
// out of scope, so every path through a caller releases what it created.

#include "platform/component_types.h"

#include <utility>

namespace platform::component {

template <class T>
class Ref {
public:
    Ref() = default;
    ~Ref() { reset(); }

    // Takes over a reference the caller already counted (no AddRef).
    static Ref Adopt(T* p)
    {
        Ref r;
        r.p_ = p;
        return r;
    }
    // Adds a reference of its own.
    static Ref Share(T* p)
    {
        if (p)
            p->AddRef();
        return Adopt(p);
    }

    Ref(const Ref& other) : p_(other.p_)
    {
        if (p_)
            p_->AddRef();
    }
    Ref(Ref&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    Ref& operator=(Ref other) noexcept
    {
        std::swap(p_, other.p_);
        return *this;
    }

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

    void reset()
    {
        if (T* p = std::exchange(p_, nullptr))
            p->Release();
    }
    // Gives up ownership without releasing.
    T* detach() { return std::exchange(p_, nullptr); }

    // Out-parameter slot for calls that hand back a counted reference; drops
    // whatever was held first.
    void** put()
    {
        reset();
        return reinterpret_cast<void**>(&p_);
    }

    // Another interface of the same object; empty when it has none.
    template <class U>
    Ref<U> As() const
    {
        Ref<U> out;
        if (p_)
            p_->QueryInterface(U::Iid, out.put());
        return out;
    }

private:
    T* p_ = nullptr;
};

} // namespace platform::component
