#pragma once
// The main window with scripted boxes and file dialogs, the conversion
// report and every file in a scratch folder, and helpers that create, save
// and edit ORTs through the window's own commands.

#include "main_window_fixture.h"
#include "test_files.h"

#include "editor/core/conversion_report.h"
#include "editor/core/crc_utils.h"
#include "editor/core/secured_record.h"
#include "editor/core/type_choice.h"
#include "editor/document/change_check.h"
#include "editor/main_window/ort_type_options.h"
#include "editor/user_partition/user_mod.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

class FileCommandsTest : public MainWindowTest {
protected:
    FileCommandsTest()
    {
        previous_dir_ = QDir::currentPath();
        QDir::setCurrent(dir.path());
        core::Init_Report_Path();
        core::Reset_Chosen_Type();
        core::secured::Reset_Records();
        for (const User_Mod::Generation_Row& row : User_Mod::Generations())
            row.Record().Clear();
    }
    ~FileCommandsTest() override
    {
        program.reset();
        pages.reset();
        QDir::setCurrent(previous_dir_);
    }

    static int Row_Of(const char* option_name)
    {
        return main_window::Find_Type_Option(QString::fromLatin1(option_name));
    }

    // A new ORT through the type dialog (column 0 secured, 1 user, 2
    // composite), with its baseline taken as New takes it.
    void New_ORT(const char* option, int column)
    {
        Create_ORT(Row_Of(option), column);
        main->Check_ORT_Changed();
    }

    // A user ORT of type 14 (column 1) or a composite one of type 15 (2).
    void New_14(int column = 1) { New_ORT("Option_135_AB", column); }

    QString Path(const QString& name) const { return dir.filePath(name); }

    // Save As through the window with the dialog answered.
    bool Save_As(const QString& name)
    {
        files.Answer(Path(name));
        return commands->mnuSaveAs_Click();
    }

    static void Write_All(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    // An edit of the user description (item 33), which every user ORT saves.
    void Edit() { main->Pages().Main.Control_33->setText(QStringLiteral("EDITED")); }

    bool Changed_Without_Moving()
    {
        return Change_Check::Compare_With_Baseline(main->Pages(), main->get_Last_Saved_CRC())
            .Changed;
    }

    QString Label(const char* name) const
    {
        return main->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }

    QTemporaryDir dir;
    testsupport::ScriptedFileDialogs files;

private:
    QString previous_dir_;
};
