#pragma once
// Stand-in main-window procedures for the disk tests: the ORT and report
// makers give small files for the folder and record what they were given;
// the baseline is a plain number that making the ORT moves, as the main
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

    main_window::Disk_Hooks Hooks()
    {
        main_window::Disk_Hooks hooks;
        hooks.ORT_File = [this](const QString& path, QByteArray& bytes, QString& error) {
            calls << QStringLiteral("ORT ") + path;
            if (!ort_error.isEmpty()) {
                error = ort_error;
                return false;
            }
            baseline = written_crc;
            bytes = QByteArrayLiteral("ORT-IMAGE");
            return true;
        };
        hooks.Text_Report = [this](const QString& text_path, const QString& ort_path,
                                   QByteArray& bytes, QString& error) {
            calls << QStringLiteral("TXT ") + text_path;
            if (!report_error.isEmpty()) {
                error = report_error;
                return false;
            }
            const QString body = QStringLiteral("ORT File: ") + ort_path +
                                 QStringLiteral("\r\nORT CRC: ") +
                                 QString::number(baseline, 16).toUpper() + QStringLiteral("\r\n");
            bytes = body.toLatin1();
            return true;
        };
        hooks.Get_Last_Saved_CRC = [this] { return baseline; };
        hooks.Set_Last_Saved_CRC = [this](std::uint16_t crc) { baseline = crc; };
        hooks.Part_Number_Step = [this] {
            ++part_number_steps;
            if (part_number_step)
                part_number_step();
        };
        hooks.Set_Data_Loader_Type = [this](const QString& text) { data_loader_type = text; };
        hooks.Validate_Pages = [this] {
            ++pages_validated;
            return true;
        };
        hooks.Restore_App_Folder = [this] { ++app_folder_restored; };
        return hooks;
    }
};
