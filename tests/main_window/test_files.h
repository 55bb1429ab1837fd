#pragma once
// Reading back the files the tests have written.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>

// The whole file; empty when it cannot be read.
inline QByteArray Read_File(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every entry of a folder, hidden ones included, by name, with its bytes.
inline QMap<QString, QByteArray> Folder_Contents(const QString& path)
{
    QMap<QString, QByteArray> files;
    const QDir folder(path);
    for (const QString& name :
         folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        files.insert(name, Read_File(folder.filePath(name)));
    return files;
}
