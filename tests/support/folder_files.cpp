#include "support/folder_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

void PrintTo(const QByteArray& bytes, std::ostream* out) { *out << '"' << bytes.toStdString() << '"'; }

namespace test_support {

Folder_Files Folder_Contents(const QString& folder)
{
    Folder_Files files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                             QDir::NoDotAndDotDot)) {
        const QString path = dir.filePath(name);
        const QFileInfo info(path);
        if (info.isSymLink()) {
            files.insert(name, "->" + QFile::encodeName(info.symLinkTarget()));
        } else if (info.isDir()) {
            files.insert(name, "<folder>");
        } else if (!info.isFile()) {
            files.insert(name, "<special>");
        } else {
            QFile file(path);
            files.insert(name, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("?"));
        }
    }
    return files;
}

void Put_File(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

} // namespace test_support
