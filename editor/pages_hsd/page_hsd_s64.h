#pragma once
// The page "HSD Swift64 Service Presets": the M-ISDN (item 66) and MPDS
// (item 67) LES preference lists with their Add, Edit, Delete, Reset and
// column-sort buttons. The lists hold one list line per entry (see
// les_line.h); the user-partition code reads and fills them directly.

#include "editor/pages/page_frame.h"

#include <array>

class QGroupBox;
class QListWidget;
class QPushButton;

class Page_HSD_S64 : public Page_Frame {
    Q_OBJECT
public:
    Page_HSD_S64();

    void Write_Text_Output(QStringList& lines) override;
    void SetVisiblity(bool bSecured, bool bUser) override;
    void Dual(bool bDual) override;

    // Refill a list with its factory defaults.
    void Control_67_Reset_Click();
    void Control_66_Reset_Click();
    // Put a list into the order in which it is saved: SAT ascending, then
    // preference descending, then LES ascending.
    void Control_67_Sort();
    void Control_66_Sort();

    // The button handlers.
    void Control_66_Add_Click();
    void Control_67_Add_Click();
    void Control_66_Edit_Click();
    void Control_67_Edit_Click();
    void Control_66_Delete_Click();
    void Control_67_Delete_Click();

    std::array<QGroupBox*, 2> FrameLES{}; // 0 M-ISDN, 1 MPDS
    QListWidget* Control_66 = nullptr;
    QListWidget* Control_67 = nullptr;
    QPushButton* Control_66_Add = nullptr;
    QPushButton* Control_66_Edit = nullptr;
    QPushButton* Control_66_Delete = nullptr;
    QPushButton* Control_66_Reset = nullptr;
    QPushButton* Control_66_Sort_Sat = nullptr;
    QPushButton* Control_66_Sort_LES = nullptr;
    QPushButton* Control_66_Sort_Pref = nullptr;
    QPushButton* Control_67_Add = nullptr;
    QPushButton* Control_67_Edit = nullptr;
    QPushButton* Control_67_Delete = nullptr;
    QPushButton* Control_67_Reset = nullptr;
    QPushButton* Control_67_Sort_Sat = nullptr;
    QPushButton* Control_67_Sort_LES = nullptr;
    QPushButton* Control_67_Sort_Pref = nullptr;

private:
    void Build_List(int index);
    void Add_Entry(QListWidget* list, int limit, const QString& caption);
    void Edit_Entry(QListWidget* list, const QString& caption);
    void Delete_Entry(QListWidget* list);
    // Checks a compact entry against the list and appends it (mode 1) or
    // replaces the selected line (mode 2); entry becomes the list line.
    void Insert_LES_Entry(QString& entry, int mode, QListWidget* list, bool showMessage);
};
