#pragma once
// Shared pieces of the writer tests: a client callback that records the part
// numbers it receives, and a folder holding a small report and ORT image.

#include "platform/component_object.h"
#include "platform/component_ref.h"
#include "writer/quarnel_interfaces.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace writer_test {

namespace rc = platform::component;

class Recording_Callback final : public rc::Object<quarnel::ICallbackEntry> {
public:
    static rc::Ref<Recording_Callback> Make()
    {
        return rc::Ref<Recording_Callback>::Adopt(new Recording_Callback());
    }
    rc::Result B777EventPartNumberReady(rc::BStr bstrPartNumber) override
    {
        numbers.append(rc::From_BStr(bstrPartNumber));
        return rc::RC_OK;
    }
    // Current reference count.
    std::uint32_t Count()
    {
        AddRef();
        return Release();
    }
    QStringList numbers;

private:
    Recording_Callback() = default;
};

inline const QByteArray kReport("ORT REPORT\r\nItem 1: 5\r\n");
inline const QByteArray kImage("\x4F\x48\x00\x01\xFE\x80\x7F", 7); // odd length: 4 words

inline QByteArray Read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void Write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// A temporary folder with ABC58A6C.TXT and ABC58A6C.001; Prefix() ends in "/".
class Upload_Folder {
public:
    Upload_Folder()
    {
        Write(Prefix() + "ABC58A6C.TXT", kReport);
        Write(Prefix() + "ABC58A6C.001", kImage);
    }
    QString Prefix() const { return dir_.path() + "/"; }
    QStringList Files() const { return QDir(dir_.path()).entryList(QDir::Files, QDir::Name); }

private:
    QTemporaryDir dir_;
};

} // namespace writer_test
