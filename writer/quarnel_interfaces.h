#pragma once
// The interfaces of the Quarnel upload-disk writer component, as both the
// component and its clients see them, and the component's identity. A
// client includes this header only; it reaches the object through the
// component runtime (create by ProgID) and never links the component.

#include "platform/component_types.h"

#include <cstdint>

namespace quarnel {

using platform::component::Bool16;
using platform::component::BStr;
using platform::component::Guid;
using platform::component::Result;

// Only the difference between B777 and the other values has an effect (the
// CONFIG.LDR variant). Any 32-bit value can arrive; the setter checks it.
enum en_File_Mode : std::int32_t {
    Boeing = 0,
    B777 = 1,
    AUTO = 2,
    CNTRL = 3,
};

// The client's callback; the component calls it with the load part number.
class ICallbackEntry : public platform::component::IObject {
public:
    static constexpr Guid Iid{0xD072EB42, 0xD7BD, 0x46F2, {0x85, 0xC0, 0xA7, 0xB2, 0x85, 0x06, 0x18, 0x59}};

    virtual Result B777EventPartNumberReady(BStr bstrPartNumber) = 0;

protected:
    ~ICallbackEntry() = default;
};

// The writer object's interface, methods in their fixed order. Every method
// but setCallbackAdvise answers through pvbResult (BOOL16_TRUE or
// BOOL16_FALSE) besides its result code; a null pvbResult gives RC_POINTER.
class IBoeingFileData : public platform::component::IObject {
public:
    static constexpr Guid Iid{0xF5344CAC, 0xDC4E, 0x47F2, {0xA4, 0x97, 0x5E, 0xDC, 0x8B, 0xCA, 0xE5, 0x1A}};

    virtual Result setDiskPartNumber(BStr bstrDiskPartNumber, Bool16* pvbResult) = 0;
    virtual Result setDataFilePartNumber(BStr bstrDataFilePartNumber, Bool16* pvbResult) = 0;
    virtual Result setManufacturerIdentifier(BStr bstrManufacturerIdentifier, Bool16* pvbResult) = 0;
    virtual Result setProductIdentifier(BStr bstrProductIdentifier, Bool16* pvbResult) = 0;
    virtual Result validateFileData(Bool16* pvbResult) = 0;
    virtual Result setORTfilePath(BStr bstrORTfilePath, Bool16* pvbResult) = 0;
    virtual Result setFileTypeMode(en_File_Mode enumFileTypeMode, Bool16* pvbResult) = 0;
    virtual Result write777Files(Bool16* pvbResult) = 0;
    virtual Result setUploadParameters(BStr bstrDiskPartNumber, BStr bstrDataFilePartNumber,
                                       BStr bstrManufacturerIdentifier, BStr bstrProductIdentifier,
                                       BStr bstrORTfilePath, en_File_Mode enumFileTypeMode,
                                       Bool16* pvbResult) = 0;
    virtual Result setProgressDialogOnOff(Bool16 vbOnOff, Bool16* pvbResult) = 0;
    virtual Result setCallbackAdvise(ICallbackEntry* pEntry) = 0;

protected:
    ~IBoeingFileData() = default;
};

// Identity of the component.
inline constexpr Guid CLSID_BoeingFileData{0x3B70B1DD, 0xE909, 0x47D1, {0x99, 0xFE, 0xD5, 0x37, 0x93, 0x8C, 0xC4, 0xD9}};
inline constexpr Guid LIBID_QUARNELLib{0x80392B82, 0x87C3, 0x4C5A, {0xB4, 0xC6, 0xFB, 0x8F, 0x61, 0x0C, 0x6E, 0x61}};
inline constexpr const char* PROGID_BoeingFileData = "Quarnel.BoeingFileData.1";
inline constexpr const char* VERSION_INDEPENDENT_PROGID_BoeingFileData = "Quarnel.BoeingFileData";
inline constexpr const char* CLASS_DESCRIPTION_BoeingFileData = "BoeingFileData Class";
inline constexpr const char* THREADING_MODEL_BoeingFileData = "Apartment";
inline constexpr const char* TYPE_LIBRARY_NAME = "QUARNELLib";
inline constexpr const char* TYPE_LIBRARY_HELP = "Quarnel 1.0 Type Library";
inline constexpr const char* PROJECT_NAME = "Quarnel";

} // namespace quarnel
