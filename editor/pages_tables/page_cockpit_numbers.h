#pragma once
// The page "Cockpit Phone Numbers": the cockpit telephone directory (item 5),
// four categories on the tabs of Control_05_Tab, each a list of directory
// lines (see cockpit_number_line.h). Entries are added, edited, deleted and
// cleared through the entry dialog, a category is renamed by a double-click
// on the tabs, each column sorts either way, and text dropped on a list
// becomes entries.

#include "editor/pages/page_frame.h"
#include "editor/pages_tables/cockpit_number_line.h"

#include <array>

class QListWidget;
class QPushButton;
class QTabWidget;

class Page_Cockpit_Numbers : public Page_Frame {
    Q_OBJECT
public:
    static constexpr int CATEGORY_COUNT = 4;

    Page_Cockpit_Numbers();

    void Setup_ToolTips(int mode) override;
    void Write_Text_Output(QStringList& lines) override;
    void SetVisiblity(bool bSecured, bool bUser) override;

    // The category name of tab index as shown (the part before a NUL), and
    // setting it (a NUL-padded record field shows without its padding).
    QString Category_Name(int index) const;
    void Set_Category_Name(int index, const QString& name);

    // The user's actions, also callable from code.
    void Control_05_Add_Click();
    void Control_05_Edit_Click();
    void Control_05_Delete_Click();
    void Control_05_Clear_Click();
    void Control_05_Tab_DblClick();
    // A sort button of the given column on tab index.
    void Sort_Click(tables::Cockpit_Column column, int index);
    // Text dropped on the list of category index; returns the lines added.
    // Lines whose number begins with "-" are skipped. Its boxes (no more
    // room, lines skipped) come up once the drop has been handled.
    int Drop_Text(int index, const QStringList& pieces);

    // The tab that is shown (0 to 3) and its list.
    int Current_Category() const;
    QListWidget* Current_List() const;

    QTabWidget* Control_05_Tab = nullptr;
    std::array<QListWidget*, CATEGORY_COUNT> Control_05{};
    QPushButton* Control_05_Add = nullptr;
    QPushButton* Control_05_Delete = nullptr;
    QPushButton* Control_05_Edit = nullptr;
    QPushButton* Control_05_Clear = nullptr;
    std::array<QPushButton*, CATEGORY_COUNT> Sort_Cockpit_Name{};
    std::array<QPushButton*, CATEGORY_COUNT> Sort_Cockpit_Number{};
    std::array<QPushButton*, CATEGORY_COUNT> Sort_Cockpit_Priority{};
    std::array<QPushButton*, CATEGORY_COUNT> Sort_Cockpit_Protected{};

private:
    QWidget* Make_Category_Tab(int index);
    QPushButton* Sort_Button(tables::Cockpit_Column column, int index) const;
};
