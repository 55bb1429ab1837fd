#pragma once
// The Boeing 777 AIMS upload disk. The editor asks for the four identifiers,
// creates the upload-disk writer component by its ProgID, lets it build the
// load part number (which lands in the ORT descriptions through the
// callback), writes the ORT image and its text report into the folder and
// lets the component write the load files around them. A failure at any
// step leaves every file of the disk as the folder held it. The component
// object and the callback object are released on every way out.

#include "editor/main_window/disk_hooks.h"
#include "platform/component_ref.h"
#include "writer/quarnel_interfaces.h"

#include <QString>
#include <QStringList>
#include <functional>

class QDialog;

namespace main_window {

// The ORT descriptions of both partitions, as they stand in the main window.
struct ORT_Descriptions {
    QString Secured;
    QString User;
};

// What the Boeing 777 writer needs beyond the disk hooks.
struct B777_Services {
    // The main window's Set_ORT_Description(secured text, user text): sets the
    // description of each partition that the open ORT has.
    std::function<void(const QString& securedText, const QString& userText)> Set_ORT_Description;
    // The two descriptions before the component changes them; they are put
    // back when validation fails.
    std::function<ORT_Descriptions()> Get_ORT_Description;
    // The registration store the component is found in (empty: the default).
    QString Store_Path;
    // Creates the writer object in place of the store (tests); empty: by ProgID.
    std::function<platform::component::Result(platform::component::Ref<quarnel::IBoeingFileData>&)>
        Create_Writer;
};

struct B777_Upload_Job {
    QString Folder;                        // ends in "/"
    const Disk_Hooks* Hooks = nullptr;
    std::function<QString()> Ask_Identifier; // the B777 identifier, "" when cancelled
    QDialog* Upload_Dialog = nullptr;        // hidden while the identifier is asked
    B777_Services Services;
};

// Every file of a Boeing 777 disk with base name base in folder (ending in
// "/"): the image and report the editor writes, then the load files the
// component writes around them.
QStringList B777_Disk_Files(const QString& folder, const QString& base);

// The ProgID the editor creates the writer object by.
QString B777_Writer_ProgID(); // "QUARNEL.BoeingFileData.1"

// Writes the disk; true on success. A cancelled identifier shows the upload
// dialog again; any later failure leaves it hidden with its choices.
bool Write_B777_Upload(const B777_Upload_Job& job);

// The box shown when the writer is run without its link to the main window
// (it would have nowhere to put the load part number).
QString B777_Unavailable_Text();

} // namespace main_window
