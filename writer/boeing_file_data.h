#pragma once
// BoeingFileData: the writer object behind IBoeingFileData. One object
// serves one upload: the client registers its callback, passes the
// parameters, validates (which reports the load part number through the
// callback), puts the ORT image and its report into the folder and lets the
// object write the load files.

#include "platform/component_object.h"
#include "platform/component_ref.h"
#include "writer/progress_dialog.h"
#include "writer/quarnel_interfaces.h"
#include "writer/upload_parameters.h"

#include <memory>

namespace quarnel {

class BoeingFileData final : public platform::component::Object<IBoeingFileData> {
public:
    // A new object with a count of one.
    static BoeingFileData* Create();

    Result setDiskPartNumber(BStr bstrDiskPartNumber, Bool16* pvbResult) override;
    Result setDataFilePartNumber(BStr bstrDataFilePartNumber, Bool16* pvbResult) override;
    Result setManufacturerIdentifier(BStr bstrManufacturerIdentifier, Bool16* pvbResult) override;
    Result setProductIdentifier(BStr bstrProductIdentifier, Bool16* pvbResult) override;
    Result validateFileData(Bool16* pvbResult) override;
    Result setORTfilePath(BStr bstrORTfilePath, Bool16* pvbResult) override;
    Result setFileTypeMode(en_File_Mode enumFileTypeMode, Bool16* pvbResult) override;
    Result write777Files(Bool16* pvbResult) override;
    Result setUploadParameters(BStr bstrDiskPartNumber, BStr bstrDataFilePartNumber,
                               BStr bstrManufacturerIdentifier, BStr bstrProductIdentifier,
                               BStr bstrORTfilePath, en_File_Mode enumFileTypeMode,
                               Bool16* pvbResult) override;
    Result setProgressDialogOnOff(Bool16 vbOnOff, Bool16* pvbResult) override;
    Result setCallbackAdvise(ICallbackEntry* pEntry) override;

    // Not part of the interface: how the progress window holds the thread
    // (default: the host's pause).
    void Set_Pause_Function(Pause_Function pause) { pause_ = std::move(pause); }
    const Upload_Parameters& Parameters() const { return params_; }
    bool Progress_On() const { return progress_on_; }

private:
    BoeingFileData();
    ~BoeingFileData() override;

    // Shows a refusal box unless the text is empty; sets the answer.
    Result Answer(const QString& refusal, Bool16* pvbResult);

    platform::component::Ref<ICallbackEntry> callback_;
    bool progress_on_ = false;
    std::unique_ptr<CProgressDialog> progress_window_;
    Upload_Parameters params_;
    // Whether validateFileData succeeded since the parameters were last set.
    bool validated_ = false;
    Pause_Function pause_;
};

// Objects and server locks alive in this module; the library may be
// unloaded only when both are zero.
long Live_Objects();
long Server_Locks();
void Lock_Server(bool lock);

} // namespace quarnel
