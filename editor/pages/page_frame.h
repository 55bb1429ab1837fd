#pragma once
// The frame that every item page shares: a modeless top-level window that
// lives for the whole run (closing it hides it), with a scroll area for its
// items, a size grip, the partition frames `Frame_Secured` and `Frame_User`,
// their status hint lines, and the procedures through which the main window
// drives every page.
//
// A page derives from Page_Frame, puts its controls into Secured_Items(),
// User_Items() (or Content_Items() for anything outside the two frames), and
// overrides what differs on it:
//   Setup_ToolTips(mode)        tooltips for the tooltip mode (default: keep)
//   Write_Text_Output(lines)    its report section, one string per line
//   Close_Action()              clears the status lines and hides the page
//   Dual(bDual)                 shows Frame_SDU2 in dual mode, keeps Dual_Mode
//   SetVisiblity(sec, user)     shows the frames and the page's main-window button,
//                               keeps Show_Secured and Show_User
//   ValidateControls()          validates the field that has the focus
// Validate_All_Controls() checks every field of the page (before a save).
// ShowMe() shows the page and sizes it to its content; Fit_Changed_Content()
// sizes a shown page again after its content changed.

#include <QPointer>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

class QCloseEvent;
class QGroupBox;
class QLabel;
class QScrollArea;
class QSizeGrip;
class QVBoxLayout;

// What the frame builds for one page.
struct Page_Setup {
    QString Name;             // object name, e.g. "Page_General"
    QString Caption;          // window caption, also the report section title
    QString Secured_Caption;  // caption of Frame_Secured; empty: the page has none
    QString User_Caption;     // caption of Frame_User; empty: the page has none
    QString Secured_Status;   // name of the secured status line; empty: none
    QString User_Status;      // name of the user status line; empty: none
    QString Secured_Tag;      // Tag of Frame_Secured ("Item 38"), may be empty
    QString User_Tag;         // Tag of Frame_User ("Item 5"), may be empty
};

// The Tag of a control (label tags read "Item " and the number).
void Set_Tag(QWidget* widget, const QString& tag);
QString Tag(const QWidget* widget);

// Object name of element `index` of a control array: "Control_49(3)".
QString Array_Name(const QString& name, int index);

class Page_Frame : public QWidget {
    Q_OBJECT
public:
    explicit Page_Frame(const Page_Setup& setup);
    ~Page_Frame() override;

    Page_Frame(const Page_Frame&) = delete;
    Page_Frame& operator=(const Page_Frame&) = delete;

    // The page procedures, in their usual order.
    virtual void Setup_ToolTips(int mode);
    virtual void Write_Text_Output(QStringList& lines);
    virtual void Close_Action();
    virtual void Dual(bool bDual);
    virtual void SetVisiblity(bool bSecured, bool bUser);
    void ShowMe();

    // Sizes a shown page again after its content changed while it was shown
    // (the SDU 2 column of Dual): a page still at the size ShowMe gave it
    // takes the size ShowMe gives the new content; a page the user has sized
    // keeps that size and only grows where the content needs more room. The
    // screen's free area bounds the growth either way. A hidden, minimized or
    // maximized page is left as it is (ShowMe sizes it when it is shown).
    void Fit_Changed_Content();

    // Runs the validation of the field that has the focus on this page.
    // Returns false when the field kept the focus (its value was corrected
    // and the user has to look at it again).
    virtual bool ValidateControls();
    // What a save runs: ValidateControls, then the check of every field the
    // page shows whose text the user or a screen reader changed since code
    // set it, in order, up to the first that corrects its value; that field
    // is then shown with its page. Returns false when one did.
    bool Validate_All_Controls();

    // The last value given to Dual (false until the first call).
    bool Dual_Mode() const { return dual_mode_; }

    // The partitions shown, as the last SetVisiblity gave them (false until
    // the first call). Page_Frame::SetVisiblity records them; every page whose
    // own SetVisiblity does not call it records them with Set_Shown.
    bool Show_Secured() const { return show_secured_; }
    bool Show_User() const { return show_user_; }

    // The button on the main window that shows this page.
    void Set_Page_Button(QWidget* button) { page_button_ = button; }
    QWidget* Page_Button() const { return page_button_; }

    QGroupBox* Frame_Secured() const { return frame_secured_; }
    QGroupBox* Frame_User() const { return frame_user_; }
    QLabel* Status_Secured() const { return status_secured_; }
    QLabel* Status_User() const { return status_user_; }
    QScrollArea* Scroll_Area() const { return scroll_; }

protected:
    // Where the page puts its controls; null where the page has no such frame.
    QVBoxLayout* Secured_Items() const { return secured_items_; }
    QVBoxLayout* User_Items() const { return user_items_; }
    // The scrolled content itself, holding the frames in order.
    QVBoxLayout* Content_Items() const { return content_items_; }

    // Pieces of the default procedures, for pages that differ in part.
    void Set_Shown(bool bSecured, bool bUser)
    {
        show_secured_ = bSecured;
        show_user_ = bUser;
    }
    void Show_SDU2_Frames(bool visible);
    void Set_Frame_Visible(QGroupBox* frame, bool visible);
    void Set_Button_Visible(bool visible);
    // What a page of one partition does on SetVisiblity: its frame stays
    // shown whatever the partitions; the page's button shows only while
    // button_visible.
    void Show_Own_Frame(QGroupBox* frame, bool button_visible);
    void Clear_Status_Lines();

    // A close by the user runs ValidateControls first and keeps the page
    // open when a field kept the focus; otherwise the page only hides.
    void closeEvent(QCloseEvent* event) override;

private:
    QGroupBox* Make_Frame(const QString& name, const QString& caption, const QString& tag,
                          const QString& status_name, QVBoxLayout*& items, QLabel*& status);
    void Init_Scrolling();
    // Sizes the page to its content within the screen's free area; with
    // grow_only it never becomes smaller than it is.
    void Fit_To_Content(bool grow_only);

    QScrollArea* scroll_ = nullptr;
    QSizeGrip* grip_ = nullptr;
    QVBoxLayout* content_items_ = nullptr;
    QGroupBox* frame_secured_ = nullptr;
    QGroupBox* frame_user_ = nullptr;
    QVBoxLayout* secured_items_ = nullptr;
    QVBoxLayout* user_items_ = nullptr;
    QLabel* status_secured_ = nullptr;
    QLabel* status_user_ = nullptr;
    QPointer<QWidget> page_button_;
    QSize fitted_size_; // the size the page was last given for its content
    bool dual_mode_ = false;
    bool show_secured_ = false;
    bool show_user_ = false;
};
