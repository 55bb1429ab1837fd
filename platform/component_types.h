#pragma once
// Basic types of the in-process component runtime: result codes, 128-bit
// class and interface ids, the 16-bit Boolean of component calls, UTF-16
// strings across the boundary, and the reference-counted base interface
// that every component interface derives from.
//
// Interfaces are plain C++ classes with pure virtual methods only, declared
// in a fixed order; the object that implements them lives in another shared
// library, so an interface never has data members or a virtual destructor.
// Lifetime goes through AddRef and Release alone.

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace platform::component {

// 32-bit result of every component call; negative values are failures.
using Result = std::int32_t;

constexpr Result Code(std::uint32_t bits) { return static_cast<Result>(bits); }

inline constexpr Result RC_OK = Code(0x00000000u);                   // success
inline constexpr Result RC_FALSE = Code(0x00000001u);                // success, answer "no"
inline constexpr Result RC_NOT_IMPLEMENTED = Code(0x80004001u);
inline constexpr Result RC_NO_INTERFACE = Code(0x80004002u);
inline constexpr Result RC_POINTER = Code(0x80004003u);              // a required pointer was null
inline constexpr Result RC_FAIL = Code(0x80004005u);
inline constexpr Result RC_OUT_OF_MEMORY = Code(0x8007000Eu);
inline constexpr Result RC_INVALID_ARG = Code(0x80070057u);
inline constexpr Result RC_MODULE_NOT_FOUND = Code(0x8007007Eu);     // library could not be loaded
inline constexpr Result RC_PROC_NOT_FOUND = Code(0x8007007Fu);       // entry point missing
inline constexpr Result RC_NO_AGGREGATION = Code(0x80040110u);
inline constexpr Result RC_CLASS_NOT_AVAILABLE = Code(0x80040111u);  // library does not serve the class
inline constexpr Result RC_CLASS_NOT_REGISTERED = Code(0x80040154u);
inline constexpr Result RC_REGISTRATION_FAILED = Code(0x80040201u);  // store could not be written
inline constexpr Result RC_INVALID_PROGID = Code(0x800401F3u);       // ProgID not in the store
inline constexpr Result RC_CALLBACK_ALREADY_SET = Code(0x80010047u); // second callback registration
inline constexpr Result RC_NO_CALLBACK = Code(0x800104B1u);          // call needs a callback first

constexpr bool Succeeded(Result r) { return r >= 0; }
constexpr bool Failed(Result r) { return r < 0; }

// The result as eight upper-case hexadecimal digits, e.g. "80040154".
QString Result_Text(Result r);

// 16-bit Boolean of component calls: true is all bits set.
using Bool16 = std::int16_t;
inline constexpr Bool16 BOOL16_TRUE = -1;
inline constexpr Bool16 BOOL16_FALSE = 0;

// A UTF-16 string handed across the boundary: zero-terminated, owned by the
// caller for the duration of the call; a null pointer counts as empty.
using BStr = const char16_t*;

QString From_BStr(BStr text);
// The string's UTF-16 data; valid as long as the QString lives unchanged.
BStr To_BStr(const QString& text);

// 128-bit id of a class, an interface or a type library.
struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};

    friend constexpr bool operator==(const Guid&, const Guid&) = default;
};

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in upper case.
QString Guid_Text(const Guid& id);
// Reads the braced form (braces optional, either case); nullopt when malformed.
std::optional<Guid> Parse_Guid(const QString& text);

// Base of every interface: identity by interface id and reference counting.
class IObject {
public:
    static constexpr Guid Iid{0x6C2F0A71, 0x3E54, 0x4B8D, {0x9A, 0x1E, 0x52, 0x7B, 0xC4, 0x08, 0xD3, 0x61}};

    // On success *out holds a counted reference to the asked interface;
    // otherwise *out is null and the result is RC_NO_INTERFACE.
    virtual Result QueryInterface(const Guid& iid, void** out) = 0;
    virtual std::uint32_t AddRef() = 0;
    virtual std::uint32_t Release() = 0;

protected:
    ~IObject() = default;
};

// The class factory that a component library hands out per class id.
class IClass_Factory : public IObject {
public:
    static constexpr Guid Iid{0x6C2F0A72, 0x3E54, 0x4B8D, {0x9A, 0x1E, 0x52, 0x7B, 0xC4, 0x08, 0xD3, 0x61}};

    // outer must be null (no aggregation); *out receives a counted reference.
    virtual Result CreateInstance(IObject* outer, const Guid& iid, void** out) = 0;
    // Keeps the library loaded while locked.
    virtual Result LockServer(bool lock) = 0;

protected:
    ~IClass_Factory() = default;
};

} // namespace platform::component
