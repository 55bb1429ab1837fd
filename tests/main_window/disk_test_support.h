#pragma once
// Stand-in main-window procedures for the disk tests: the ORT and report
// writers put small files into the folder and record what they were given;
// the baseline is a plain number that writing the ORT moves, as the main
// window's writer does.

#include "editor/main_window/disk_hooks.h"
#include "test_files.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <functional>

struct Disk_Test_Host {
    std::uint16_t baseline = 0x1111;
    std::uint16_t written_crc = 0xBEEF;
    QStringList calls;
    QString data_loader_type;
    int app_folder_restored = 0;
    int pages_validated = 0;
    int part_number_steps = 0;
    QString ort_error;    // non-empty: Write_ORT fails with it
    QString report_error; // non-empty: Write_Text_Output fails with it
    std::function<void()> part_number_step;

    static bool Write(const QString& path, const QByteArray& bytes, QString& error)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            error = QStringLiteral("cannot open ") + path;
            return false;
        }
        file.write(bytes);
        return true;
    }

    main_window::Disk_Hooks Hooks()
    {
        main_window::Disk_Hooks hooks;
        hooks.Write_ORT = [this](const QString& path, QString& error) {
            calls << QStringLiteral("ORT ") + path;
            if (!ort_error.isEmpty()) {
                error = ort_error;
                return false;
            }
            baseline = written_crc;
            return Write(path, QByteArrayLiteral("ORT-IMAGE"), error);
        };
        hooks.Write_Text_Output = [this](const QString& text_path, const QString& ort_path,
                                         QString& error) {
            calls << QStringLiteral("TXT ") + text_path;
            if (!report_error.isEmpty()) {
                error = report_error;
                return false;
            }
            const QString body = QStringLiteral("ORT File: ") + ort_path +
                                 QStringLiteral("\r\nORT CRC: ") +
                                 QString::number(baseline, 16).toUpper() + QStringLiteral("\r\n");
            return Write(text_path, body.toLatin1(), error);
        };
        hooks.Get_Last_Saved_CRC = [this] { return baseline; };
        hooks.Set_Last_Saved_CRC = [this](std::uint16_t crc) { baseline = crc; };
        hooks.Part_Number_Step = [this] {
            ++part_number_steps;
            if (part_number_step)
                part_number_step();
        };
        hooks.Set_Data_Loader_Type = [this](const QString& text) { data_loader_type = text; };
        hooks.Validate_Pages = [this] { ++pages_validated; };
        hooks.Restore_App_Folder = [this] { ++app_folder_restored; };
        return hooks;
    }
};
