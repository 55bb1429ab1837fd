#pragma once
// Pieces of the Boeing 777 upload tests: a stand-in writer object that logs
// its calls and answers from a script, the description fields of a main
// window as two strings, and an independent CRC-16/CCITT-FALSE.

#include "editor/main_window/disk_b777.h"
#include "platform/component_object.h"
#include "platform/component_ref.h"
#include "test_files.h"
#include "writer/quarnel_interfaces.h"

#include <QByteArray>
#include <QStringList>
#include <cstdint>
#include <memory>

namespace b777_test {

namespace rc = platform::component;

inline const QString kLoadPN = QStringLiteral("2378-ABC-58A-6C");

// One answer of a method: its result code and its Boolean.
struct Answer {
    rc::Result result = rc::RC_OK;
    rc::Bool16 value = rc::BOOL16_TRUE;
};

struct Writer_Script {
    rc::Result advise = rc::RC_OK;
    Answer progress;
    Answer upload;
    Answer validate;
    Answer write;
};

// What happened to the stand-in: its calls go into the shared call list.
struct Writer_Log {
    QStringList* calls = nullptr;
    int created = 0;
    int destroyed = 0;
};

class Fake_Writer final : public rc::Object<quarnel::IBoeingFileData> {
public:
    static rc::Ref<Fake_Writer> Make(const Writer_Script& script, Writer_Log& log)
    {
        return rc::Ref<Fake_Writer>::Adopt(new Fake_Writer(script, log));
    }

    rc::Result setDiskPartNumber(rc::BStr, rc::Bool16* vb) override { return Unexpected("disk", vb); }
    rc::Result setDataFilePartNumber(rc::BStr, rc::Bool16* vb) override { return Unexpected("data", vb); }
    rc::Result setManufacturerIdentifier(rc::BStr, rc::Bool16* vb) override { return Unexpected("manuf", vb); }
    rc::Result setProductIdentifier(rc::BStr, rc::Bool16* vb) override { return Unexpected("product", vb); }
    rc::Result setORTfilePath(rc::BStr, rc::Bool16* vb) override { return Unexpected("path", vb); }
    rc::Result setFileTypeMode(quarnel::en_File_Mode, rc::Bool16* vb) override { return Unexpected("mode", vb); }

    rc::Result validateFileData(rc::Bool16* vb) override
    {
        Log(QStringLiteral("validateFileData"));
        // The part number comes before the checks, as the component does it.
        if (callback_)
            callback_->B777EventPartNumberReady(rc::To_BStr(kLoadPN));
        return Reply(script_.validate, vb);
    }
    rc::Result write777Files(rc::Bool16* vb) override
    {
        Log(QStringLiteral("write777Files"));
        return Reply(script_.write, vb);
    }
    rc::Result setUploadParameters(rc::BStr disk, rc::BStr data, rc::BStr manuf, rc::BStr product,
                                   rc::BStr path, quarnel::en_File_Mode mode, rc::Bool16* vb) override
    {
        Log(QStringLiteral("setUploadParameters(%1,%2,%3,%4,%5,%6)")
                .arg(rc::From_BStr(disk), rc::From_BStr(data), rc::From_BStr(manuf),
                     rc::From_BStr(product), rc::From_BStr(path))
                .arg(static_cast<int>(mode)));
        return Reply(script_.upload, vb);
    }
    rc::Result setProgressDialogOnOff(rc::Bool16 on, rc::Bool16* vb) override
    {
        Log(QStringLiteral("setProgressDialogOnOff(%1)").arg(on));
        return Reply(script_.progress, vb);
    }
    rc::Result setCallbackAdvise(quarnel::ICallbackEntry* entry) override
    {
        Log(QStringLiteral("setCallbackAdvise"));
        if (rc::Failed(script_.advise))
            return script_.advise;
        callback_ = rc::Ref<quarnel::ICallbackEntry>::Share(entry);
        return rc::RC_OK;
    }

private:
    Fake_Writer(const Writer_Script& script, Writer_Log& log) : script_(script), log_(log)
    {
        ++log_.created;
    }
    ~Fake_Writer() override { ++log_.destroyed; }

    void Log(const QString& call)
    {
        if (log_.calls)
            *log_.calls << call;
    }
    rc::Result Unexpected(const char* name, rc::Bool16* vb)
    {
        Log(QStringLiteral("unexpected ") + QString::fromLatin1(name));
        *vb = rc::BOOL16_FALSE;
        return rc::RC_FAIL;
    }
    static rc::Result Reply(const Answer& answer, rc::Bool16* vb)
    {
        *vb = answer.value;
        return answer.result;
    }

    Writer_Script script_;
    Writer_Log& log_;
    rc::Ref<quarnel::ICallbackEntry> callback_;
};

// The two description fields of a main window: Set_ORT_Description writes
// the fields of the partitions present.
struct Description_Fields {
    bool secured = true;
    bool user = true;
    main_window::ORT_Descriptions texts{QStringLiteral("SECURED DESC"), QStringLiteral("USER DESC")};
    QStringList sets; // every call, "secured|user"
    // Counts the copies of the setter alive: the callback object holds one
    // while it lives.
    std::shared_ptr<int> holders = std::make_shared<int>(0);

    main_window::B777_Services Services()
    {
        main_window::B777_Services services;
        services.Set_ORT_Description = [this, token = holders](const QString& s, const QString& u) {
            sets << s + QLatin1Char('|') + u;
            if (secured)
                texts.Secured = s;
            if (user)
                texts.User = u;
        };
        services.Get_ORT_Description = [this] { return texts; };
        return services;
    }
};

// CRC-16/CCITT-FALSE, bit by bit.
inline std::uint16_t Crc16(const QByteArray& bytes)
{
    std::uint16_t crc = 0xFFFF;
    for (const char c : bytes) {
        crc ^= static_cast<std::uint16_t>(static_cast<std::uint8_t>(c) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? static_cast<std::uint16_t>((crc << 1) ^ 0x1021)
                                 : static_cast<std::uint16_t>(crc << 1);
    }
    return crc;
}

// CRC-32/BZIP2, bit by bit.
inline std::uint32_t Crc32(const QByteArray& bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= static_cast<std::uint32_t>(static_cast<std::uint8_t>(c)) << 24;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    }
    return ~crc;
}

inline std::uint32_t Get_BE(const QByteArray& bytes, int offset, int width)
{
    std::uint32_t value = 0;
    for (int i = 0; i < width; ++i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes.at(offset + i));
    return value;
}

} // namespace b777_test
