// The main window's start-up, the close box, and its View and Help commands.
#include "editor/main_window/merivane_main.h"

#include "editor/core/char_sets.h"
#include "editor/core/conversion_report.h"
#include "editor/core/crc_utils.h"
#include "editor/core/ort_types.h"
#include "editor/main_window/about_dialog.h"
#include "editor/main_window/app_folder.h"
#include "editor/main_window/app_info.h"
#include "editor/main_window/ort_type_dialog.h"
#include "editor/main_window/wait_cursor.h"
#include "editor/page_set/page_set.h"
#include "editor/pages/page_frame.h"
#include "platform/message_service.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QUrl>

namespace {

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
    main_window::set_Working_Directory_AppPath();
    show();
}

void MerivaneMain::closeEvent(QCloseEvent* event)
{
    if (close_request_ && !close_request_()) {
        event->ignore();
        return;
    }
    for (Page_Frame* page : pages_.Pages())
        page->Close_Action();
    type_dialog_->Close_Action();
    event->accept();
}

void MerivaneMain::mnuExit_Click()
{
    close();
}

void MerivaneMain::mnuSingleSDU_Click()
{
    Menu_Action(QStringLiteral("mnuSingleSDU"))->setChecked(true);
    Menu_Action(QStringLiteral("mnuDualSDU"))->setChecked(false);
    for (Page_Frame* page : pages_.Pages()) {
        page->Dual(false);
        page->Fit_Changed_Content();
    }
    Dual_SDU = false;
    findChild<QLabel*>(QStringLiteral("Control_SDU_Label"))->setText(QStringLiteral("Single SDU"));
}

void MerivaneMain::mnuDualSDU_Click()
{
    Menu_Action(QStringLiteral("mnuSingleSDU"))->setChecked(false);
    Menu_Action(QStringLiteral("mnuDualSDU"))->setChecked(true);
    for (Page_Frame* page : pages_.Pages()) {
        page->Dual(true);
        page->Fit_Changed_Content();
    }
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
    const QString path = main_window::app_path() + QStringLiteral("items.pdf");
    bool shown = false;
    {
        const main_window::Wait_Cursor wait;
        shown = open_document_ ? open_document_(path) : Open_With_Desktop(path);
    }
    if (!shown)
        platform::Msg_Box(QStringLiteral("Can not open help file. Acrobat Reader is required."));
}
