#pragma once
// "Create New ORT": the modal dialog in which the user chooses the SDU model
// or software configuration an ORT is made for, or opens an ORT file. The
// main window shows it for New ("Create New ORT"), Convert ("Convert ORT")
// and when a load needs a target ("Choose Configuration Number").
//
// A click on an option only makes a pending choice. OK (or Open...) takes it
// over into the program-wide version state; Cancel and the close box leave
// everything as it was before the dialog opened.

#include "editor/main_window/ort_type_options.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

class QAbstractButton;
class QButtonGroup;
class QCloseEvent;
class QLabel;
class QPushButton;
class QRadioButton;
class QShowEvent;

// What the dialog's buttons run once the choice is taken over; the File
// commands provide them.
struct Type_Dialog_Actions {
    // OK: a new ORT (convert false) or the conversion of the open one.
    std::function<void(bool convert)> Create_ORT;
    // Open..., before its file dialog: false when the open ORT is to stay
    // (the user cancelled the offer to save it).
    std::function<bool()> Close_Before_Opening;
    // Open..., once the dialog has closed: loads the chosen file.
    std::function<void(const QString& file)> Open_File;
};

class ORT_Type_Dialog : public QDialog {
    Q_OBJECT
public:
    explicit ORT_Type_Dialog(QWidget* owner);

    void Set_Actions(Type_Dialog_Actions actions) { actions_ = std::move(actions); }

    // Hides the dialog; it lives for the whole run.
    void Close_Action();
    void Set_boolConvert(bool flag) { convert_mode_ = flag; }
    // Copies each partition's current version record whole into its loaded
    // record, so that a conversion starts from the data as they are now.
    void Set_ConvertFromVersion();
    // Secured and composite columns visible := flag; the composite options of
    // the xx145, xx150 and xx151 rows are never shown.
    void DisplayAll(bool flag);
    // Selects the hidden option, then the remembered one again: the last
    // choice becomes the pending one and OK and Open... follow it.
    void Reselect_Remembered();
    // The role of choosing the target of a load that has its file already:
    // Open... is neither shown nor works (it would offer another file), and
    // OK only takes the choice over for the load, creating nothing.
    void Set_Choosing_Load_Target(bool choosing);

    // The option buttons: element `column` of row `row`, and the hidden one
    // that stands for "nothing chosen yet".
    QRadioButton* Option(int row, int column) const;
    QRadioButton* Option_Startup_Hidden() const { return startup_hidden_; }
    QRadioButton* Remembered_Option() const { return remembered_; }
    // True once a configuration has been taken over by OK or Open....
    bool Configuration_Chosen() const { return remembered_ != startup_hidden_; }

    // What the last taken-over choice set (empty until then).
    int Model_Index() const { return committed_.Model_Index; }
    // Default list index of item 27 (RFU installed): 1 for the second model.
    int RFU_Default_Index() const { return committed_.Model_Index; }
    QString Stored_Secured_PN() const { return committed_.Stored_Secured_PN; }
    QString Stored_User_PN() const { return committed_.Stored_User_PN; }
    main_window::Upload_Preset Upload_Preset() const { return committed_.Upload; }
    // The pending choice, if a real option is selected.
    const std::optional<main_window::Type_Choice>& Pending() const { return pending_; }

    // The buttons' actions, also for tests.
    void Select_Option(QAbstractButton* button);
    void OK_Click();
    void Open_Click();
    void Cancel_Click();

    void reject() override;
    // Shows the dialog modally; a file chosen with Open... is loaded once it
    // has closed, so that the load may show it again to choose its target.
    int exec() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Build();
    void Take_Over_Choice();

    Type_Dialog_Actions actions_;
    QButtonGroup* group_ = nullptr;
    QList<QList<QRadioButton*>> options_; // [row][column]
    QRadioButton* startup_hidden_ = nullptr;
    QRadioButton* remembered_ = nullptr;
    QRadioButton* pending_button_ = nullptr;
    QPushButton* ok_button_ = nullptr;
    QPushButton* open_button_ = nullptr;
    QPushButton* cancel_button_ = nullptr;
    QList<QWidget*> secured_heading_;   // lblSecured and its line
    QList<QWidget*> composite_heading_; // lblComposite and its line
    std::optional<main_window::Type_Choice> pending_;
    main_window::Type_Choice committed_;
    bool convert_mode_ = false;
    bool choosing_load_target_ = false;
    std::optional<QString> file_to_open_; // chosen with Open..., loaded after exec
};
