#pragma once
// The editor's main window: start-up, the no-ORT and ORT-open states, menus,
// page buttons, the version, file and SDU labels, the description and
// part-number fields of both partitions, its View and Help commands, and the
// document procedures (load, write, change check, report) through which the
// commands and the rest of the program reach the ORT. The File commands
// (file_commands.h) and the disk commands stand on it; it knows neither.

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

#include "editor/document/ort_loader.h"

class ORT_Type_Dialog;
class Page_Set;
class QAction;
class QCloseEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class MerivaneMain : public QMainWindow {
    Q_OBJECT
public:
    // The pages are created beforehand and outlive the window.
    explicit MerivaneMain(Page_Set& pages, QWidget* parent = nullptr);
    ~MerivaneMain() override;

    // Program-wide state of the window that other forms read and write.
    QString Current_File;
    QString Data_Loader_Type_Text;
    QString Build_Text;
    bool Dual_SDU = false;
    // The current file was chosen as an ASCII-hex file: a plain Save writes
    // it in that form again.
    bool Current_Is_Ascii_Hex = false;
    // The current file was used only in part when it was opened, or is a
    // name that Save Text File As gave the ORT: Save asks for a name instead
    // of replacing that file.
    bool Save_Needs_Name = false;
    // Save Text File As gave the ORT a name that no save has written yet: it
    // counts as changed until a save, while its saved CRC stays as it was.
    bool Name_Not_Saved = false;

    // Start-up: fills the program tables, resets to the no-ORT state, moves
    // to the application folder and shows the window (the program then runs
    // New).
    void Form_Load();

    // States.
    void Reset_Main_Window();
    void Enable_Menu_Items();
    void Set_Visibility();
    bool Is_ORT_Loaded() const;
    // The window calls that end a new ORT or a conversion: Enable_Menu_Items,
    // Set_Visibility, Set_Version_Label(TOOL_VERSION), Set_File_Label,
    // Setup_ToolTips.
    void Show_ORT_Open_State();

    void Set_Version_Numbers(std::int32_t securedType, std::int32_t userType);
    static bool Show_Secured_Partition();
    static bool Show_User_Partition();
    void Set_Version_Label(int toolVersion);
    void Set_File_Label();
    void Setup_ToolTips();
    void Set_ORT_Description(const QString& securedText, const QString& userText);

    static int get_TOOL_VERSION();
    static int get_HEADER_SIZE();
    std::uint16_t get_Last_Saved_CRC() const { return last_saved_crc_; }
    void set_Last_Saved_CRC(std::uint16_t crc) { last_saved_crc_ = crc; }

    // Runs ValidateControls on every page; false when a field kept the focus.
    bool ValidatePageControls();
    // What the commands that write the ORT run first: the check of every
    // field of the window and of every page, in order, up to the first that
    // keeps the focus (shown with its box). False when one kept it: nothing
    // is to be written.
    bool Validate_Before_Writing();
    void HidePages();
    // Shows the type dialog so that the user chooses the target
    // configuration; false when the dialog was cancelled.
    bool ChooseSoftwareConfigNumber();

    // Sets the current file and loads it. A load cancelled at the choice of
    // its target leaves the current file, and an ORT that was open, as they
    // were.
    void Open_File(const QString& fileName);
    // Loads Current_File; catches every error itself (one box, no ORT open).
    Ort_Loader::Load_Result Load_File();
    // How many loads have started since the window was made.
    int Loads_Started() const { return loads_started_; }

    // Writes the current ORT to fileName with the writer of the partition
    // configuration and makes its CRC the saved baseline. False when the
    // writer refused (its message shown, nothing written). File and
    // partition errors pass to the caller; the old file is then unchanged.
    bool Write_ORT(const QString& fileName);
    // The file Write_ORT would write, not written; its CRC becomes the
    // saved baseline as the write would make it. Nothing when the writer
    // refused (its message shown). Partition errors pass to the caller.
    std::optional<QByteArray> ORT_File_Bytes();
    // Copies the page controls into the records of `type`.
    void Update_ORT_Data(std::int32_t type);
    // True when the data differ from the saved baseline; the new CRC then
    // becomes the baseline. Errors pass to the caller.
    bool Check_ORT_Changed();
    // The plain-text report of the current ORT; ortPath empty: Current_File.
    // File errors pass to the caller.
    void Write_Text_Output(const QString& textPath, const QString& ortPath = QString());
    // The bytes Write_Text_Output would write.
    QByteArray Text_Output_Bytes(const QString& ortPath = QString());

    // The part-number step before Save, Save As, the CMT upload file and the
    // upload disk: with a user Airframer_Level of 3 or more, runs the
    // installed step with whether the data changed since the last save (the
    // baseline does not move).
    using PN_Step = std::function<void(bool changed)>;
    void Set_PN_Step(PN_Step step) { pn_step_ = std::move(step); }
    void Part_Number_Step();

    // What the close box asks before the window closes: false keeps the
    // program running. Without it the window always closes.
    using Close_Request = std::function<bool()>;
    void Set_Close_Request(Close_Request request) { close_request_ = std::move(request); }

    // The window's own commands (View and Help, and Exit).
    void mnuExit_Click();
    void mnuSingleSDU_Click();
    void mnuDualSDU_Click();
    void mnuAbout_Click();
    void mnuHelpContents_Click();

    // How the help document is opened; replaceable for tests. Returns false
    // when it could not be shown.
    using Document_Opener = std::function<bool(const QString& path)>;
    void Set_Document_Opener(Document_Opener opener) { open_document_ = std::move(opener); }

    // What a key press or double click in a part-number box runs (the
    // part-number dialog). Without it the box takes the typed characters.
    using PN_Editor = std::function<void(QLineEdit* box)>;
    void Set_PN_Editor(PN_Editor editor) { pn_editor_ = std::move(editor); }

    Page_Set& Pages() const { return pages_; }
    ORT_Type_Dialog& Type_Dialog() const { return *type_dialog_; }
    QAction* Menu_Action(const QString& name) const { return actions_.value(name); }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build_Menus();
    void Build_Central();
    void Build_Partition_Frames(QWidget* parent);
    void Bind_Fields();
    // Hands the controls the partition code writes to the page set.
    void Share_Controls();
    void Wire_Commands();
    friend class Main_Load_Window;

    Page_Set& pages_;
    ORT_Type_Dialog* type_dialog_ = nullptr;
    QHash<QString, QAction*> actions_;
    QList<QPushButton*> page_buttons_;
    QGroupBox* frame_user_ = nullptr;
    QGroupBox* frame_secured_ = nullptr;
    QLineEdit* control_33_ = nullptr;
    QLineEdit* control_86_ = nullptr;
    QLineEdit* control_53_ = nullptr;
    QLineEdit* control_87_ = nullptr;
    QLabel* label_33_ = nullptr;
    QLabel* label_86_ = nullptr;
    QLabel* label_53_ = nullptr;
    QLabel* label_87_ = nullptr;
    QLabel* label_user_modified_ = nullptr;
    QLabel* label_secure_modified_ = nullptr;
    QLabel* status_description_u_ = nullptr;
    QLabel* sdu_part_no_ = nullptr;
    QLabel* version_label_ = nullptr;
    QLabel* file_label_ = nullptr;
    QLabel* sdu_label_ = nullptr;
    std::uint16_t last_saved_crc_ = 0;
    bool loading_ = false;
    int loads_started_ = 0;
    Close_Request close_request_;
    PN_Step pn_step_;
    Document_Opener open_document_;
    PN_Editor pn_editor_;
};
