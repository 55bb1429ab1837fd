// The main window's commands of this build: New, Exit and the close box,
// Single and Dual SDU, About and Help, and the file steps they rely on.
#include "editor/main_window/merivane_main.h"

#include "editor/core/char_sets.h"
#include "editor/core/conversion_report.h"
#include "editor/core/crc_utils.h"
#include "editor/core/ort_types.h"
#include "editor/main_window/about_dialog.h"
#include "editor/main_window/app_info.h"
#include "editor/main_window/ort_type_dialog.h"
#include "editor/page_set/page_set.h"
#include "editor/pages/page_frame.h"
#include "editor/platform/message_service.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QUrl>

namespace {

// Shows the hourglass for the life of the object.
class Wait_Cursor {
public:
    Wait_Cursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Wait_Cursor() { QApplication::restoreOverrideCursor(); }
    Wait_Cursor(const Wait_Cursor&) = delete;
    Wait_Cursor& operator=(const Wait_Cursor&) = delete;
};

bool Open_With_Desktop(const QString& path)
{
    return QFileInfo(path).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace

void MerivaneMain::Form_Load()
{
    // The conversion report lives in the start-up folder.
    core::Init_Report_Path();
    Build_Text = QStringLiteral("(Build ") + QString::number(main_window::APP_REVISION) +
                 QLatin1Char(')');
    // The CRC routines read the tables that Init_Utils fills.
    core::Init_Utils();
    core::Init_CRC_Tables();
    Reset_Main_Window();
    last_saved_crc_ = 0;
    set_Working_Directory_AppPath();
    show();
    mnuNew_Click();
}

void MerivaneMain::mnuNew_Click()
{
    ValidatePageControls();
    // A Cancel at the save question keeps the open ORT as it is.
    if (Is_ORT_Loaded() && Close_ORT())
        return;
    core::Versions().ORT_Type = core::ORT_TYPE_NONE;
    Current_File.clear();

    type_dialog_->DisplayAll(false);
    type_dialog_->Set_boolConvert(false);
    type_dialog_->setWindowTitle(QStringLiteral("Create New ORT"));
    type_dialog_->Reselect_Remembered();
    type_dialog_->exec();

    const std::int32_t type = core::Versions().ORT_Type;
    if (type != 0 && type != core::ORT_TYPE_NONE)
        Check_ORT_Changed(); // the new data become the baseline
    else
        Reset_Main_Window();
}

bool MerivaneMain::Close_ORT()
{
    const platform::MsgAnswer answer =
        platform::Msg_Box(QStringLiteral("Save before closing?"), platform::MsgButtons::YesNoCancel,
                          platform::MsgIcon::None, QStringLiteral("File closing"));
    if (answer != platform::MsgAnswer::No)
        return true; // Cancel; and this build cannot save yet, so Yes keeps the ORT too
    Reset_Main_Window();
    return false;
}

bool MerivaneMain::Check_ORT_Changed()
{
    // Without partition records there is nothing to compare yet.
    return false;
}

void MerivaneMain::Open_File(const QString& fileName)
{
    Current_File = fileName;
    const Wait_Cursor wait;
    Load_File();
}

void MerivaneMain::Load_File()
{
    // Reading ORT files is not part of this build: refuse with one box and
    // leave the window without an ORT.
    platform::Critical(Current_File, QStringLiteral("Cannot open ORT file"));
    core::Versions().ORT_Type = core::ORT_TYPE_NONE;
    Reset_Main_Window();
}

void MerivaneMain::mnuExit_Click()
{
    close();
}

void MerivaneMain::closeEvent(QCloseEvent* event)
{
    for (Page_Frame* page : pages_.Pages())
        page->Close_Action();
    type_dialog_->Close_Action();
    event->accept();
}

void MerivaneMain::mnuSingleSDU_Click()
{
    Menu_Action(QStringLiteral("mnuSingleSDU"))->setChecked(true);
    Menu_Action(QStringLiteral("mnuDualSDU"))->setChecked(false);
    for (Page_Frame* page : pages_.Pages())
        page->Dual(false);
    Dual_SDU = false;
    findChild<QLabel*>(QStringLiteral("Control_SDU_Label"))->setText(QStringLiteral("Single SDU"));
}

void MerivaneMain::mnuDualSDU_Click()
{
    Menu_Action(QStringLiteral("mnuSingleSDU"))->setChecked(false);
    Menu_Action(QStringLiteral("mnuDualSDU"))->setChecked(true);
    for (Page_Frame* page : pages_.Pages())
        page->Dual(true);
    Dual_SDU = true;
    findChild<QLabel*>(QStringLiteral("Control_SDU_Label"))->setText(QStringLiteral("Dual SDU"));
}

void MerivaneMain::mnuAbout_Click()
{
    About about(Build_Text, this);
    about.exec();
}

void MerivaneMain::mnuHelpContents_Click()
{
    const QString path = app_path() + QStringLiteral("items.pdf");
    bool shown = false;
    {
        const Wait_Cursor wait;
        shown = open_document_ ? open_document_(path) : Open_With_Desktop(path);
    }
    if (!shown)
        platform::Msg_Box(QStringLiteral("Can not open help file. Acrobat Reader is required."));
}
