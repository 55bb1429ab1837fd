#include "editor/main_window/disk_b777.h"

#include "editor/main_window/boeing777_callback.h"
#include "editor/main_window/disk_writers.h"
#include "editor/main_window/identifier_dialog_rules.h"
#include "editor/main_window/wait_cursor.h"
#include "platform/component_loader.h"
#include "platform/atomic_file_set.h"
#include "platform/message_service.h"

#include <QDialog>
#include <cstdint>

namespace main_window {

namespace {

namespace rc = platform::component;
using quarnel::IBoeingFileData;

// The critical box of a failing component call (or a component that cannot
// be created): "Error: " and the result code.
void Show_Run_Time_Error(rc::Result result)
{
    platform::Critical(QStringLiteral("Error: ") + rc::Result_Text(result));
}

// Shows the box of a failing result; true when the writer has to stop.
bool Failed_Call(rc::Result result)
{
    if (rc::Succeeded(result))
        return false;
    Show_Run_Time_Error(result);
    return true;
}

bool Answered_True(rc::Bool16 answer) { return answer == rc::BOOL16_TRUE; }

// The ORT image and its report, both or neither, under the names the
// component reads.
bool Write_Image_And_Report(const Disk_Hooks& hooks, const QString& image, const QString& report)
{
    const Baseline_Keeper keeper(hooks);
    QString error;
    platform::File_Bytes files[] = {{image, {}}, {report, {}}};
    const bool written = hooks.ORT_File(image, files[0].Bytes, error) &&
                         hooks.Text_Report(report, image, files[1].Bytes, error) &&
                         Write_Disk_Files(files, error);
    if (!written && !error.isEmpty())
        Report_Disk_Error(error, QString());
    return written;
}

rc::Result Create_Writer(const B777_Services& services, rc::Ref<IBoeingFileData>& writer)
{
    if (services.Create_Writer)
        return services.Create_Writer(writer);
    return rc::Create_Instance(B777_Writer_ProgID(), writer,
                               rc::Registration_Store(services.Store_Path));
}

// From the creation of the component to the load files. The component object
// and the callback object are released when this returns, whichever way.
bool Run_Component(const B777_Upload_Job& job, const B777_Identifier& id)
{
    const B777_Services& services = job.Services;
    rc::Ref<IBoeingFileData> writer;
    const rc::Result created = Create_Writer(services, writer);
    if (Failed_Call(created))
        return false;
    if (!writer) {
        Show_Run_Time_Error(rc::RC_POINTER);
        return false;
    }
    const rc::Ref<Boeing777Callback> callback =
        Boeing777Callback::Make(services.Set_ORT_Description);
    if (Failed_Call(writer->setCallbackAdvise(callback.get())))
        return false;

    rc::Bool16 answer = rc::BOOL16_FALSE;
    if (Failed_Call(writer->setProgressDialogOnOff(rc::BOOL16_TRUE, &answer)))
        return false;
    if (!Answered_True(answer))
        platform::Critical(QStringLiteral("Error in setProgressDialogOnOff(...)"));

    answer = rc::BOOL16_FALSE;
    if (Failed_Call(writer->setUploadParameters(
            rc::To_BStr(id.Disk_PN), rc::To_BStr(id.Data_PN), rc::To_BStr(id.Manuf_ID),
            rc::To_BStr(id.Product_ID), rc::To_BStr(job.Folder), quarnel::B777, &answer)))
        return false;
    if (!Answered_True(answer)) {
        platform::Critical(QStringLiteral("Error in setUploadParameters(...)"));
        return false;
    }

    // The component hands the load part number to the callback before it
    // checks its fields; a refusal puts the old descriptions back.
    const ORT_Descriptions before =
        services.Get_ORT_Description ? services.Get_ORT_Description() : ORT_Descriptions{};
    answer = rc::BOOL16_FALSE;
    const rc::Result validated = writer->validateFileData(&answer);
    if (rc::Failed(validated) || !Answered_True(answer)) {
        if (services.Get_ORT_Description)
            services.Set_ORT_Description(before.Secured, before.User);
        if (rc::Failed(validated))
            Show_Run_Time_Error(validated);
        else
            platform::Critical(QStringLiteral("Error in validateFileData()"));
        return false;
    }

    const QString base = id.Base_Name().toUpper();
    const QString image = job.Folder + base + QStringLiteral(".001");
    const QString report = job.Folder + base + QStringLiteral(".TXT");
    // The folder holds the older disk or the new one, never a mix: until the
    // load files are written, any failure, or the end of the process, puts
    // back every file of the disk as the folder held it.
    platform::Replacement_Guard disk;
    const QStringList files = B777_Disk_Files(job.Folder, base);
    if (const platform::File_Write_Result begun = disk.Begin(files); !begun.Ok()) {
        Report_Disk_Error(Disk_Write_Error(disk.Failed_Path(), begun), QString());
        return false;
    }
    if (!Write_Image_And_Report(*job.Hooks, image, report))
        return false;

    answer = rc::BOOL16_FALSE;
    if (Failed_Call(writer->write777Files(&answer)))
        return false;
    if (!Answered_True(answer)) {
        platform::Critical(QStringLiteral("Error in write777Files()"));
        return false;
    }
    disk.Keep();
    return true;
}

bool Is_Wired(const B777_Upload_Job& job)
{
    return job.Hooks && job.Hooks->ORT_File && job.Hooks->Text_Report &&
           job.Services.Set_ORT_Description;
}

} // namespace

QStringList B777_Disk_Files(const QString& folder, const QString& base)
{
    return {folder + base + QStringLiteral(".001"), folder + base + QStringLiteral(".TXT"),
            folder + QStringLiteral("NON_LOAD.CRC"),   folder + QStringLiteral("DISK.DIR"),
            folder + base + QStringLiteral(".HDR"),    folder + QStringLiteral("CONFIG.LDR")};
}

QString B777_Writer_ProgID() { return QStringLiteral("QUARNEL.BoeingFileData.1"); }

QString B777_Unavailable_Text()
{
    return QStringLiteral("Auto Mode - B777 AIMS upload disks can only be written for the ORT "
                          "open in the main window.");
}

bool Write_B777_Upload(const B777_Upload_Job& job)
{
    if (!Is_Wired(job)) {
        platform::Critical(B777_Unavailable_Text());
        return false;
    }

    QDialog* const dialog = job.Upload_Dialog;
    const bool was_shown = dialog && dialog->isVisible();
    if (dialog)
        dialog->hide();
    const QString identifier = job.Ask_Identifier ? job.Ask_Identifier() : QString();
    if (identifier.isEmpty()) {
        if (was_shown)
            dialog->show();
        return false; // nothing is written
    }
    const std::optional<B777_Identifier> id = Split_B777_Identifier(identifier);
    if (!id) {
        platform::Critical(QStringLiteral("Error: not a Boeing 777 upload identifier"));
        return false;
    }

    const Wait_Cursor wait;
    return Run_Component(job, *id);
}

} // namespace main_window
