#pragma once
// A main window over its own page set, with the program-wide version state
// reset, for the main-window tests.

#include "editor/core/ort_types.h"
#include "editor/core/type_choice.h"
#include "editor/main_window/file_commands.h"
#include "editor/main_window/main_program.h"
#include "editor/main_window/merivane_main.h"
#include "editor/main_window/ort_type_dialog.h"
#include "editor/page_set/page_set.h"
#include "support/scripted_messages.h"

#include <QAction>
#include <QRadioButton>
#include <QApplication>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
    {
        core::Reset_Versions();
        core::Reset_Chosen_Type();
    }
    ~MainWindowTest() override
    {
        core::Reset_Versions();
        core::Reset_Chosen_Type();
    }

    // Runs `step` on the type dialog once it is shown modally; a dialog the
    // step leaves open is cancelled so that no test can hang.
    void When_Type_Dialog_Shows(std::function<void(ORT_Type_Dialog&)> step)
    {
        QTimer::singleShot(0, main, [this, step = std::move(step)] {
            ORT_Type_Dialog& dialog = main->Type_Dialog();
            EXPECT_TRUE(dialog.isVisible());
            step(dialog);
            if (dialog.isVisible())
                dialog.reject();
        });
    }

    // Chooses element `column` of row `row` and presses OK.
    void Create_ORT(int row, int column)
    {
        ORT_Type_Dialog& dialog = main->Type_Dialog();
        dialog.Select_Option(dialog.Option(row, column));
        dialog.OK_Click();
    }

    bool Enabled(const char* name) const
    {
        return main->Menu_Action(QString::fromLatin1(name))->isEnabled();
    }

    QWidget* Widget(const char* name) const
    {
        return main->findChild<QWidget*>(QString::fromLatin1(name));
    }

    testsupport::ScriptedMessages boxes;
    std::unique_ptr<Page_Set> pages = std::make_unique<Page_Set>();
    std::unique_ptr<main_window::Main_Program> program =
        std::make_unique<main_window::Main_Program>(*pages);
    MerivaneMain* main = &program->Window();
    File_Commands* commands = &program->Commands();
};
