#pragma once
// The File commands of the main window: New, Open, Read data in from a CMT
// Download File, Convert, Save, Save As, Create a CMT Upload File, Save Text
// File As, Close, Failure Masking, and the question of the close box. They
// stand on the window's document procedures and on the type dialog, and are
// wired to the window's menu items, its close box and the dialog's buttons
// when they are made.

#include <QObject>
#include <QString>
#include <exception>

class MerivaneMain;
class ORT_Type_Dialog;

class File_Commands final : public QObject {
public:
    // A child of the window.
    explicit File_Commands(MerivaneMain& main);

    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuOpenCmtAsciiHex_Click();
    void mnuConvert_Click();
    // The save commands answer whether the ORT was written.
    bool mnuSave_Click();
    bool mnuSaveAs_Click();
    bool mnuSaveCmtAsciiHex_Click();
    void mnuSaveAsText_Click();
    void mnuClose_Click();
    void mnuFailureMasking_Click();

    // The offers to save answer true when the caller may go on, false when
    // the user cancelled (or the save after Yes failed): the ORT then stays
    // open with its edits.
    //
    // Before a file replaces the open ORT: "Save before closing?" when an
    // ORT is open.
    bool Close_Before_Opening();
    // The close box: "Save before exiting?" for a changed ORT; false when the
    // program keeps running.
    bool May_Close();

private:
    void Wire_Menu();
    // "Save before closing?" with the save after Yes; the ORT stays open.
    bool Offer_To_Save();
    // "Save before closing?", then the no-ORT state.
    bool Close_ORT();
    // The File menu's Open commands: "Save before closing?" when an ORT is
    // open, then the file dialog. The ORT stays open until the load replaces
    // it, so that a load cancelled at the choice of its target leaves it as
    // it was; when no load follows it closes here. Empty when the user
    // cancelled or no file is to be loaded. The dialog starts at preset_name
    // in the current file's folder; a chosen name that names no file and has
    // no extension gets default_extension.
    QString Ask_File_To_Open(const QString& filter, const QString& preset_name,
                             const QString& default_extension = QString());
    // Writes the ORT as ASCII hex to hexPath; its binary image stays in memory.
    bool Save_Ascii_Hex(const QString& hexPath, const QString& command);
    // Shows the box of a failed command for the file `name`.
    void Report_Command_Error(const QString& command, const QString& name,
                              const std::exception_ptr& error);

    MerivaneMain& main_;
    ORT_Type_Dialog& type_dialog_;
};
