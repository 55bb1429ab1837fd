#pragma once
// "Failure Masking Data": the list of failure masks of the secured
// partition, one fixed-column line per mask (core/failure_mask.h), edited
// through Failure_Entry_Dialog.

#include "editor/pages/page_frame.h"

class QLabel;
class QListWidget;
class QPushButton;

class Page_Failure_Masks : public Page_Frame {
    Q_OBJECT
public:
    static constexpr int FAILURE_MASKS_MAX = 50;

    Page_Failure_Masks();

    void Write_Text_Output(QStringList& lines) override;
    void SetVisiblity(bool bSecured, bool bUser) override;
    void Dual(bool bDual) override;

    // Empties the list; run before an ORT is opened, created or converted,
    // since loading adds the masks at the end.
    void Clear_Lists();

    void Control_38_Add_Click();
    void Control_38_Delete_Click();
    void Control_38_Modify_Click();

    QListWidget* Control_38;
    QLabel* Failure_Label;
    QLabel* UnderLine_Label;
    QPushButton* Control_38_Add;
    QPushButton* Control_38_Delete;
    QPushButton* Control_38_Modify;

private:
    // True when a line is selected; otherwise tells the user to select one
    // (when there is any).
    bool Selection_Made();
};
