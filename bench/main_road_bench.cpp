// Timings of the editor's main road, headless: start-up to the type dialog
// (main window and fourteen pages), Open of a generation-14 composite file,
// Save, and the unsaved-change check.
#include "editor/core/char_sets.h"
#include "editor/core/conversion_report.h"
#include "editor/core/crc_utils.h"
#include "editor/core/ort_types.h"
#include "editor/main_window/main_program.h"
#include "editor/main_window/merivane_main.h"
#include "editor/main_window/ort_type_dialog.h"
#include "editor/main_window/ort_type_options.h"
#include "editor/page_set/page_set.h"
#include "platform/message_service.h"

#include <QApplication>
#include <QRadioButton>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// Answers Yes to every question, shows nothing.
class Silent_Messages final : public platform::MessageService {
public:
    platform::MsgAnswer Show(const QString&, platform::MsgButtons buttons, platform::MsgIcon,
                             const QString&) override
    {
        return buttons == platform::MsgButtons::Ok ? platform::MsgAnswer::Ok
                                                   : platform::MsgAnswer::Yes;
    }
};

// A window with a composite ORT of generation 4 and its file on disk.
struct Open_Editor {
    Open_Editor()
    {
        QDir::setCurrent(dir.path());
        core::Init_Report_Path();
        ORT_Type_Dialog& dialog = main->Type_Dialog();
        dialog.Select_Option(
            dialog.Option(main_window::Find_Type_Option(QStringLiteral("Option_135_AB")), 2));
        dialog.OK_Click();
        file = dir.filePath(QStringLiteral("composite.cfg"));
        main->Write_ORT(file);
        main->Current_File = file;
    }

    QTemporaryDir dir;
    std::unique_ptr<Page_Set> pages = std::make_unique<Page_Set>();
    std::unique_ptr<main_window::Main_Program> program =
        std::make_unique<main_window::Main_Program>(*pages);
    MerivaneMain* main = &program->Window();
    QString file;
};

void BM_Startup_To_Type_Dialog(benchmark::State& state)
{
    for (auto _ : state) {
        core::Init_Utils();
        core::Init_CRC_Tables();
        auto pages = std::make_unique<Page_Set>();
        auto program = std::make_unique<main_window::Main_Program>(*pages);
        program->Window().show();
        program->Window().Type_Dialog().show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(program.get());
        program.reset();
        pages.reset();
    }
}

void BM_Open_Composite_Generation_14(benchmark::State& state)
{
    Open_Editor editor;
    for (auto _ : state) {
        editor.main->Open_File(editor.file);
        if (!editor.main->Is_ORT_Loaded())
            state.SkipWithError("the file did not open");
    }
}

void BM_Save(benchmark::State& state)
{
    Open_Editor editor;
    const QString target = editor.dir.filePath(QStringLiteral("saved.cfg"));
    for (auto _ : state) {
        if (!editor.main->Write_ORT(target))
            state.SkipWithError("nothing written");
    }
}

void BM_Change_Check(benchmark::State& state)
{
    Open_Editor editor;
    for (auto _ : state)
        benchmark::DoNotOptimize(editor.main->Check_ORT_Changed());
}

BENCHMARK(BM_Startup_To_Type_Dialog)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open_Composite_Generation_14)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Change_Check)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Silent_Messages messages;
    platform::Set_Message_Service(&messages);
    core::Init_Utils();
    core::Init_CRC_Tables();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    platform::Set_Message_Service(nullptr);
    return 0;
}
