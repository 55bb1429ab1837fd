#include "writer/boeing_file_data.h"

#include "writer/code_page.h"
#include "writer/component_services.h"
#include "writer/load_file_writer.h"
#include "writer/load_part_number.h"

#include <atomic>

namespace quarnel {

namespace rc = platform::component;

namespace {

std::atomic<long> g_objects{0};
std::atomic<long> g_locks{0};

constexpr int STATUS_PAUSE_MS = 500;
constexpr int FINISHED_PAUSE_MS = 1000;

} // namespace

long Live_Objects() { return g_objects.load(); }
long Server_Locks() { return g_locks.load(); }
void Lock_Server(bool lock) { lock ? ++g_locks : --g_locks; }

BoeingFileData* BoeingFileData::Create()
{
    return new BoeingFileData();
}

BoeingFileData::BoeingFileData()
    : pause_(&Host_Pause)
{
    ++g_objects;
    resetParameters(params_);
}

BoeingFileData::~BoeingFileData()
{
    --g_objects;
}

Result BoeingFileData::Answer(const QString& refusal, Bool16* pvbResult)
{
    if (!refusal.isEmpty()) {
        Show_Error_Box(refusal);
        *pvbResult = rc::BOOL16_FALSE;
        return rc::RC_FALSE;
    }
    *pvbResult = rc::BOOL16_TRUE;
    return rc::RC_OK;
}

Result BoeingFileData::setDiskPartNumber(BStr bstrDiskPartNumber, Bool16* pvbResult)
{
    if (!pvbResult)
        return rc::RC_POINTER;
    validated_ = false;
    return Answer(Set_Diskette_Part_Number(params_, To_Ansi(bstrDiskPartNumber)), pvbResult);
}

Result BoeingFileData::setDataFilePartNumber(BStr bstrDataFilePartNumber, Bool16* pvbResult)
{
    if (!pvbResult)
        return rc::RC_POINTER;
    validated_ = false;
    return Answer(Set_Data_File_Part_Number(params_, To_Ansi(bstrDataFilePartNumber)), pvbResult);
}

Result BoeingFileData::setManufacturerIdentifier(BStr bstrManufacturerIdentifier, Bool16* pvbResult)
{
    if (!pvbResult)
        return rc::RC_POINTER;
    validated_ = false;
    return Answer(Set_Manufacturer_Identifier(params_, To_Ansi(bstrManufacturerIdentifier)), pvbResult);
}

Result BoeingFileData::setProductIdentifier(BStr bstrProductIdentifier, Bool16* pvbResult)
{
    if (!pvbResult)
        return rc::RC_POINTER;
    validated_ = false;
    return Answer(Set_Product_Identifier(params_, To_Ansi(bstrProductIdentifier)), pvbResult);
}

Result BoeingFileData::setORTfilePath(BStr bstrORTfilePath, Bool16* pvbResult)
{
    if (!pvbResult)
        return rc::RC_POINTER;
    validated_ = false;
    return Answer(Set_ORT_File_Path(params_, rc::From_BStr(bstrORTfilePath)), pvbResult);
}

Result BoeingFileData::setFileTypeMode(en_File_Mode enumFileTypeMode, Bool16* pvbResult)
{
    if (!pvbResult)
        return rc::RC_POINTER;
    validated_ = false;
    if (!Set_File_Type_Mode(params_, enumFileTypeMode)) {
        *pvbResult = rc::BOOL16_FALSE;
        return rc::RC_FALSE;
    }
    *pvbResult = rc::BOOL16_TRUE;
    return rc::RC_OK;
}

Result BoeingFileData::setUploadParameters(BStr bstrDiskPartNumber, BStr bstrDataFilePartNumber,
                                           BStr bstrManufacturerIdentifier, BStr bstrProductIdentifier,
                                           BStr bstrORTfilePath, en_File_Mode enumFileTypeMode,
                                           Bool16* pvbResult)
{
    if (!pvbResult)
        return rc::RC_POINTER;
    // Through the object's own interface, stopping at the first refusal.
    IBoeingFileData* self = this;
    Result r = self->setDiskPartNumber(bstrDiskPartNumber, pvbResult);
    if (r == rc::RC_OK)
        r = self->setDataFilePartNumber(bstrDataFilePartNumber, pvbResult);
    if (r == rc::RC_OK)
        r = self->setManufacturerIdentifier(bstrManufacturerIdentifier, pvbResult);
    if (r == rc::RC_OK)
        r = self->setProductIdentifier(bstrProductIdentifier, pvbResult);
    if (r == rc::RC_OK)
        r = self->setORTfilePath(bstrORTfilePath, pvbResult);
    if (r == rc::RC_OK)
        r = self->setFileTypeMode(enumFileTypeMode, pvbResult);
    *pvbResult = r == rc::RC_OK ? rc::BOOL16_TRUE : rc::BOOL16_FALSE;
    return r == rc::RC_OK ? rc::RC_OK : rc::RC_FALSE;
}

Result BoeingFileData::setProgressDialogOnOff(Bool16 vbOnOff, Bool16* pvbResult)
{
    if (!pvbResult)
        return rc::RC_POINTER;
    progress_on_ = vbOnOff == rc::BOOL16_TRUE;
    *pvbResult = rc::BOOL16_TRUE;
    return rc::RC_OK;
}

Result BoeingFileData::setCallbackAdvise(ICallbackEntry* pEntry)
{
    if (callback_)
        return rc::RC_CALLBACK_ALREADY_SET;
    if (!pEntry)
        return rc::RC_POINTER;
    callback_ = rc::Ref<ICallbackEntry>::Share(pEntry);
    return rc::RC_OK;
}

Result BoeingFileData::validateFileData(Bool16* pvbResult)
{
    if (!callback_)
        return rc::RC_NO_CALLBACK;
    if (!pvbResult)
        return rc::RC_POINTER;
    validated_ = false;
    const Part_Number pn = buildPartNumber(params_.manufacturer_identifier, params_.product_identifier);
    params_.part_number_base = pn.base;
    params_.load_part_number = pn.load_part_number;
    // Reported before the checks, so the client has the number even when a
    // field then turns out missing. The callback's answer is not looked at.
    const QString text = From_Ansi(pn.load_part_number);
    callback_->B777EventPartNumberReady(rc::To_BStr(text));

    const QString missing = Missing_Field_Text(params_);
    validated_ = missing.isEmpty();
    return Answer(missing, pvbResult);
}

Result BoeingFileData::write777Files(Bool16* pvbResult)
{
    if (!pvbResult)
        return rc::RC_POINTER;
    if (!validated_)
        return Answer(QStringLiteral("Call setUploadParameters and validateFileData methods first!"),
                      pvbResult);

    progress_window_.reset();
    if (progress_on_) {
        Progress_Failure failure;
        progress_window_ = Open_Progress_Window(pause_, &failure);
        if (failure == Progress_Failure::Object)
            Show_Plain_Box(QStringLiteral("Error creating Progress Dialog Object"));
        else if (failure == Progress_Failure::Window)
            Show_Plain_Box(QStringLiteral("Error creating Progress Dialog"));
        else if (pause_)
            pause_(STATUS_PAUSE_MS);
    }
    const auto status = [this](const QString& text) {
        if (progress_window_)
            progress_window_->setStatus(text, STATUS_PAUSE_MS);
    };

    const QString failure = Write_777_Files(params_, status);
    if (!failure.isEmpty()) {
        const Result r = Answer(failure, pvbResult);
        progress_window_.reset();
        return r;
    }
    resetParameters(params_);
    validated_ = false;
    if (progress_window_)
        progress_window_->setStatus(QStringLiteral("Finished !"), FINISHED_PAUSE_MS);
    progress_window_.reset();
    *pvbResult = rc::BOOL16_TRUE;
    return rc::RC_OK;
}

} // namespace quarnel
