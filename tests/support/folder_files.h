#pragma once
// What a folder holds, for tests of what writes leave in it, and a file put
// there as another program would.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <ostream>

// Bytes shown as text in failure messages.
void PrintTo(const QByteArray& bytes, std::ostream* out);

namespace test_support {

using Folder_Files = QMap<QString, QByteArray>;

// Every entry of the folder, hidden ones too, with its bytes ("->" and the
// target for a link, "<folder>" for a folder, "<special>" for a FIFO, a
// socket or a device, which is never opened, "?" for what cannot be read).
Folder_Files Folder_Contents(const QString& folder);

// Writes bytes over the file path (creating it), in place.
void Put_File(const QString& path, const QByteArray& bytes);

} // namespace test_support
