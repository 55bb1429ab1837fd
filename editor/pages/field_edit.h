#pragma once
// The editing pattern shared by every text field of every page and dialog:
//
//  - the field admits only the characters of its character set (typing,
//    paste and input method alike); letters become upper-case where the set
//    says so. Only the characters the user puts in are filtered: what the
//    field already holds stays as it is, text put in by code with
//    QLineEdit::setText is never altered, and undo and redo bring back
//    exactly the text the field held;
//  - the field takes no dropped text: a drop would put a value into it that
//    no check ever sees, since the field never had the focus;
//  - gaining the focus selects the whole text;
//  - leaving the field runs its check, whose result replaces the text; a
//    check that cancels keeps the focus in the field (a button clicked to
//    leave it does not act) unless the field is one that lets the focus move
//    on (a button clicked to leave it then acts, although the release of
//    that click went to the warning box);
//  - an optional status hint is written into a label while the field (or any
//    other control) has the focus;
//  - a small up/down button beside numeric fields.
//
// A field is bound once, after its page or dialog has built it; the binding
// object is a child of the QLineEdit and lives as long as it does.

#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <functional>

class QLabel;
class QToolButton;

namespace core {
struct Item_Fact;
}

namespace pages {

// A field check: takes the field's text, returns the text that replaces it
// and sets cancel when the value had to be corrected (a warning box has then
// been shown).
using Field_Check = std::function<QString(const QString& text, bool& cancel)>;

// Where the focus goes after a check that cancelled.
enum class Focus_Rule {
    Keep_Focus, // the focus returns to the field (the usual case)
    Move_On,    // the corrected text stays, the focus goes where the user sent it
};

// The title of a field's boxes, read when the check runs (item captions may
// change while the program runs).
using Title_Source = std::function<QString()>;

// A title source that reads a label's caption (empty once the label is gone).
Title_Source Caption_Of(const QLabel* label);
// A title source with a fixed text.
Title_Source Fixed_Title(const QString& title);

class Field_Edit final : public QObject {
    Q_OBJECT
public:
    // Use Bind_Field; the object becomes a child of edit.
    Field_Edit(QLineEdit* edit, int char_set);

    QLineEdit* Edit() const { return edit_; }
    int Char_Set() const { return char_set_; }
    void Set_Char_Set(int char_set);

    void Set_Check(Field_Check check, Focus_Rule rule = Focus_Rule::Keep_Focus);
    bool Has_Check() const { return static_cast<bool>(check_); }
    Focus_Rule Rule() const { return rule_; }

    // Runs the check now and replaces the text by its result. Returns true
    // when the check cancelled and the field keeps the focus (Keep_Focus);
    // false when the value was good, when the field lets the focus move on,
    // when the field has no check, or when this field's check is already
    // running (no re-entry). Does not move the focus itself.
    bool Validate();
    // The same, but true whenever the check corrected the value with its box,
    // whatever the focus rule.
    bool Correct();

    // Puts text into the field as an edit of the user's that did not come
    // through the keyboard (a screen reader's or speech input's): the
    // characters it puts in pass the field's filter, as typed ones do. A
    // read-only field takes nothing.
    void Put_Text(const QString& text);
    // Whether the user (or a screen reader) changed the text since code last
    // set it or a check last corrected it.
    bool Edited() const { return edited_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs the check and replaces the text; true when it corrected the value.
    bool Run_Check();
    // text, an edit of before, with the characters the edit put in filtered;
    // cursor (a position in text) is moved to the same place in the result.
    QString Filtered_Edit(const QString& before, const QString& text, qsizetype* cursor) const;
    void On_Focus_Out(Qt::FocusReason reason);
    void On_Text_Edited(const QString& text);

    QLineEdit* edit_;
    int char_set_;
    QString shown_; // the text before the user's latest edit
    // The texts the field has shown since code last set its text (which also
    // clears the field's undo history): undo and redo bring back one of them.
    QStringList held_;
    bool user_edit_ = false; // the next textChanged ends a user edit
    bool edited_ = false;    // see Edited()
    Field_Check check_;
    Focus_Rule rule_ = Focus_Rule::Keep_Focus;
    bool running_ = false;
};

// Binds edit to a character set (index into core::Char_Sets) and, when given,
// a check run on leaving the field. Binding an already bound field replaces
// its set, check and rule. Returns the binding (owned by edit).
Field_Edit* Bind_Field(QLineEdit* edit, int char_set, Field_Check check = {},
                       Focus_Rule rule = Focus_Rule::Keep_Focus);

// The binding of edit, or nullptr when it has none.
Field_Edit* Find_Field(const QLineEdit* edit);

// Runs the check of one field from code; the result as Field_Edit::Validate.
// An unbound field returns false.
bool Validate_Field(QLineEdit* edit);

// What a window's ValidateControls does: runs the check of the bound field
// that has (or last had) the focus inside window. Returns true when the
// focus must stay in that field; the focus is then put back into it. Also
// returns true while a field of window is waiting to get the focus back after
// a check that cancelled on leaving (so an OK button clicked away from a bad
// field does not act).
bool Validate_Controls(QWidget* window);

// Runs the check of every bound field of root's window inside root that the
// window shows and the user may edit (in creation order) and stops at the
// first that corrects its value with its box (whatever its focus rule: the
// user sees the corrected value before anything acts on it), which gets the
// focus. Returns true when one corrected its value. Text that reached a field without the user typing it (a screen
// reader's edit) has been checked by then as well.
bool Validate_All_Fields(QWidget* root);

// The same for the fields whose text the user or a screen reader changed
// since code last set it (Field_Edit::Edited): what code put in, a value of
// the ORT or a preset, stays as it is.
bool Validate_Edited_Fields(QWidget* root);

// What a dialog's OK and a save do: Validate_Controls, then every edited
// field (Validate_Edited_Fields). True when a field kept the focus or
// corrected its value: nothing may act.
bool Validate_Window(QWidget* window);

// Puts text into edit as Field_Edit::Put_Text does (an unbound field takes
// it as it is, unless it is read-only).
void Put_Field_Text(QLineEdit* edit, const QString& text);

// Selects the whole text of the field (start 0, length = text length).
void Select_Text(QLineEdit* edit);
// The same on element index of a control array; an index outside it does nothing.
void Select_Text_Item(const QList<QLineEdit*>& array, int index);

// While control has the focus, status shows hint; leaving clears status to "".
// Works for text fields, combo boxes and any other focusable control.
void Bind_Status_Hint(QWidget* control, QLabel* status, const QString& hint);
// The same with a hint decided each time control gains the focus.
void Bind_Status_Hint(QWidget* control, QLabel* status, std::function<QString()> hint);

// The character filter on its own, as a validator (used by Bind_Field; also
// usable for an editable combo box's line edit). Characters outside the set
// are dropped, lower-case letters of an upper-casing set become upper-case.
QString Filter_Text(const QString& text, int char_set);

// Common checks built from the core validators, titled by a title source.
Field_Check String_Check(int char_set, Title_Source title);
// mode 0: whole number, mode 1: one decimal.
Field_Check Real_Check(int mode, const QString& default_text, double minimum, double maximum,
                       Title_Source title);
Field_Check Octal_Check(std::int32_t default_value, std::int32_t minimum, std::int32_t maximum,
                        int width, Title_Source title);
Field_Check Hex_Check(std::int32_t default_value, std::int32_t minimum, std::int32_t maximum,
                      Title_Source title);
Field_Check Hex_Except_Check(std::int32_t default_value, std::int32_t minimum,
                             std::int32_t maximum, std::int32_t extra, Title_Source title);
// The check of a field that holds a value of an item-facts row: the decimal
// check with the row's decimals, default text and range, or the octal check
// (as wide as the maximum's digits) or the hex check (keeping a value the
// row also accepts) by the row's radix.
Field_Check Fact_Check(const core::Item_Fact& fact, Title_Source title);

// A small vertical pair of up and down buttons beside a numeric field. The
// caller names it (setObjectName("UpDown_30")). The buttons never take the
// focus, so the field keeps it while the user clicks; they repeat while held.
// A box (or any other modal window) that opens while a button is held ends
// the press: the release goes to the box, so the button stops repeating at
// once and does not step again.
//
// Each click first runs the check of the field beside it on what the field
// shows. A value the check corrects then reads what the check's box said and
// is not stepped as well (nor is Stepped sent); otherwise the step starts
// from the field's checked value.
class Up_Down final : public QWidget {
    Q_OBJECT
public:
    explicit Up_Down(QWidget* parent = nullptr);

    QToolButton* Up_Button() const { return up_; }
    QToolButton* Down_Button() const { return down_; }

    // field is the text field the buttons step; step is called with true for
    // an up click, false for a down click, once field's check has passed.
    void Set_Step(QLineEdit* field, std::function<void(bool up)> step);

signals:
    void Stepped(bool up);

protected:
    bool event(QEvent* event) override;

private:
    void Step(bool up);

    QToolButton* up_;
    QToolButton* down_;
    QPointer<QLineEdit> field_;
    std::function<void(bool up)> step_;
};

// Binds a spin button to a whole-number field: each click steps the field's
// number by 1 within [minimum, maximum] and writes it into the field. A value
// the field's own check corrects is not stepped (Up_Down); a field without a
// check whose text is not a number steps from default_value. The field's
// check also runs when the focus leaves the field.
void Bind_Whole_Step(Up_Down* spin, QLineEdit* edit, std::int32_t minimum, std::int32_t maximum,
                     std::int32_t default_value);

// Binds a spin button to a one-decimal field: each click writes
// core::Step_Real of the field's text into it and then runs the field's own
// check with a cancel flag of its own (the focus does not stay).
void Bind_Real_Step(Up_Down* spin, QLineEdit* edit, const QString& default_text, double minimum,
                    double maximum, Title_Source title);

// Bind_Whole_Step with the range and default of a whole-number row, or
// Bind_Real_Step with those of a row in tenths (titled by title).
void Bind_Fact_Step(Up_Down* spin, QLineEdit* edit, const core::Item_Fact& fact, Title_Source title = {});

} // namespace pages
