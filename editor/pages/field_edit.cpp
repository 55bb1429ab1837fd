#include "editor/pages/field_edit.h"

#include "editor/core/char_sets.h"
#include "editor/core/item_facts.h"
#include "editor/core/validation.h"
#include "editor/core/value_helpers.h"
#include "editor/pages/labelled_fields.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace pages {

namespace {

// A check is running somewhere (its box may be up): focus changes meanwhile
// are the box's doing and run no other check.
int g_checks_running = 0;

// The field that a cancelled check is giving the focus back to. Until it has
// it, no other field checks on losing the focus, so two bad fields can never
// pull the focus back and forth.
QPointer<QLineEdit> g_returning;

struct Running_Guard {
    bool& flag;
    explicit Running_Guard(bool& f) : flag(f)
    {
        flag = true;
        ++g_checks_running;
    }
    ~Running_Guard()
    {
        flag = false;
        --g_checks_running;
    }
    Running_Guard(const Running_Guard&) = delete;
    Running_Guard& operator=(const Running_Guard&) = delete;
};

void Return_Focus(QLineEdit* edit)
{
    g_returning = edit;
    QTimer::singleShot(0, edit, [edit] {
        // A button pressed to leave the field must not stay down (its
        // release went to the warning box) nor act: the value was refused.
        auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        if (button && button->isDown())
            button->setDown(false);
        if (edit->isVisible() && edit->isEnabled())
            edit->setFocus(Qt::OtherFocusReason);
        g_returning = nullptr;
    });
}

// The corrected value of a field that lets the focus move on stands, and the
// button clicked to leave the field acts: it got the press, but its release
// went to the warning box. Once the press has arrived the click is finished.
void Finish_Click(QAbstractButton* button)
{
    if (!button)
        return;
    QTimer::singleShot(0, button, [button] {
        if (!button->isDown())
            return;
        button->setDown(false);
        button->click();
    });
}

bool Focus_Change_Checks(const QFocusEvent* event)
{
    switch (event->reason()) {
    case Qt::ActiveWindowFocusReason: // another window (or a box) took the focus
    case Qt::PopupFocusReason:        // a menu or a list popped up
        return false;
    default:
        return true;
    }
}

class Status_Hint final : public QObject {
public:
    Status_Hint(QWidget* control, QLabel* status, std::function<QString()> hint)
        : QObject(control), status_(status), hint_(std::move(hint))
    {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (!status_)
            return false;
        if (event->type() == QEvent::FocusIn)
            status_->setText(hint_());
        else if (event->type() == QEvent::FocusOut)
            status_->setText(QString());
        return false;
    }

private:
    QPointer<QLabel> status_;
    std::function<QString()> hint_;
};

} // namespace

QString Filter_Text(const QString& text, int char_set)
{
    const core::Char_Set& set = core::Char_Sets(char_set);
    QString result;
    result.reserve(text.size());
    for (QChar c : text) {
        if (set.To_Upper)
            c = core::Upper_Char(c);
        if (set.Admits(c))
            result += c;
    }
    return result;
}

Title_Source Caption_Of(const QLabel* label)
{
    QPointer<const QLabel> guarded(label);
    return [guarded] { return guarded ? guarded->text() : QString(); };
}

Title_Source Fixed_Title(const QString& title)
{
    return [title] { return title; };
}

// --- Field_Edit ---------------------------------------------------------------

Field_Edit::Field_Edit(QLineEdit* edit, int char_set)
    : QObject(edit), edit_(edit), char_set_(char_set), shown_(edit->text()), held_{edit->text()}
{
    core::Char_Sets(char_set); // refuses a bad set number at once
    Install_Field_Answers();
    edit->installEventFilter(this);
    edit->setAcceptDrops(false);

    // A user edit signals textEdited before textChanged, so shown_ still
    // holds the text as it was before the edit when On_Text_Edited runs.
    connect(edit, &QLineEdit::textEdited, this, &Field_Edit::On_Text_Edited);
    connect(edit, &QLineEdit::textChanged, this, [this] {
        shown_ = edit_->text();
        if (!user_edit_) {
            held_ = QStringList{shown_};
            edited_ = false;
        }
        else if (!held_.contains(shown_))
            held_ << shown_;
        user_edit_ = false;
    });
}

// Whatever reached the text by a user edit that the event filter did not see
// (context-menu paste, undo, input method) is filtered here: only the
// characters the edit put in, not what the field held before (a name put in
// by code may hold characters that cannot be typed).
void Field_Edit::On_Text_Edited(const QString& text)
{
    user_edit_ = true;
    edited_ = true;
    // Undo and redo bring back a text the field has held since code last set
    // it: that text stays exactly as it was. (Any other edit that happens to
    // give such a text again gives nothing the field did not hold.)
    if (held_.contains(text))
        return;
    qsizetype cursor = edit_->cursorPosition();
    const QString filtered = Filtered_Edit(shown_, text, &cursor);
    if (filtered == text)
        return;
    // Setting the text clears the field's undo history, and so the texts it
    // held.
    user_edit_ = false;
    edit_->setText(filtered);
    edited_ = true;
    edit_->setCursorPosition(static_cast<int>(cursor));
}

QString Field_Edit::Filtered_Edit(const QString& before, const QString& text, qsizetype* cursor) const
{
    // The edit kept the text's first `head` and last `tail` characters and
    // put in what lies between them.
    const qsizetype shorter = std::min(before.size(), text.size());
    qsizetype head = 0;
    while (head < shorter && before[head] == text[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && before[before.size() - 1 - tail] == text[text.size() - 1 - tail])
        ++tail;
    const qsizetype end = text.size() - tail;
    const QString filtered = Filter_Text(text.mid(head, end - head), char_set_);
    if (cursor && *cursor > head) {
        *cursor = head + Filter_Text(text.mid(head, std::min(*cursor, end) - head), char_set_).size() +
                  std::max<qsizetype>(0, *cursor - end);
    }
    return text.left(head) + filtered + text.right(tail);
}

void Field_Edit::Put_Text(const QString& text)
{
    if (edit_->isReadOnly())
        return;
    edit_->setText(Filtered_Edit(edit_->text(), text, nullptr));
    edited_ = true;
}

void Field_Edit::Set_Char_Set(int char_set)
{
    core::Char_Sets(char_set);
    char_set_ = char_set;
}

void Field_Edit::Set_Check(Field_Check check, Focus_Rule rule)
{
    check_ = std::move(check);
    rule_ = rule;
}

bool Field_Edit::Run_Check()
{
    if (!check_ || running_)
        return false;
    bool cancel = false;
    Running_Guard guard(running_);
    const QString text = edit_->text();
    const QString result = check_(text, cancel);
    if (result != text)
        edit_->setText(result);
    return cancel;
}

bool Field_Edit::Validate()
{
    return Run_Check() && rule_ == Focus_Rule::Keep_Focus;
}

bool Field_Edit::Correct()
{
    return Run_Check();
}

void Field_Edit::On_Focus_Out(Qt::FocusReason reason)
{
    if (!check_ || running_ || g_checks_running > 0 || g_returning)
        return;
    // A field that is being hidden or disabled loses the focus without
    // being left by the user.
    if (!edit_->isEnabled() || !edit_->isVisible())
        return;
    // The control the focus goes to (the box of the check takes it away).
    const QPointer<QWidget> next = QApplication::focusWidget();
    if (!Run_Check())
        return;
    if (rule_ == Focus_Rule::Keep_Focus)
        Return_Focus(edit_);
    else if (reason == Qt::MouseFocusReason)
        Finish_Click(qobject_cast<QAbstractButton*>(next.data()));
}

bool Field_Edit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != edit_)
        return false;

    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (edit_->isReadOnly())
            return false;
        if (key->matches(QKeySequence::Paste)) {
            const QClipboard* clipboard = QApplication::clipboard();
            if (clipboard)
                edit_->insert(Filter_Text(clipboard->text(), char_set_));
            return true;
        }
        const QString typed = key->text();
        if (typed.isEmpty())
            return false;
        // Control characters (backspace, Enter, Tab, control-key
        // combinations) are editing commands, not text: the field handles them.
        const bool control = std::any_of(typed.begin(), typed.end(),
                                         [](QChar c) { return c.unicode() < 32 || c.unicode() == 127; });
        if (control)
            return false;
        const QString filtered = Filter_Text(typed, char_set_);
        if (filtered == typed)
            return false;
        if (!filtered.isEmpty())
            edit_->insert(filtered);
        return true; // swallowed, or inserted in its filtered form
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        // Refused: dropped text would reach the field without its check.
        event->ignore();
        return true;
    case QEvent::FocusIn:
        Select_Text(edit_);
        return false;
    case QEvent::FocusOut: {
        const auto* focus = static_cast<QFocusEvent*>(event);
        if (Focus_Change_Checks(focus))
            On_Focus_Out(focus->reason());
        return false;
    }
    default:
        return false;
    }
}

// --- free functions -------------------------------------------------------------

Field_Edit* Find_Field(const QLineEdit* edit)
{
    if (!edit)
        return nullptr;
    return edit->findChild<Field_Edit*>(QString(), Qt::FindDirectChildrenOnly);
}

Field_Edit* Bind_Field(QLineEdit* edit, int char_set, Field_Check check, Focus_Rule rule)
{
    Field_Edit* field = Find_Field(edit);
    if (field)
        field->Set_Char_Set(char_set);
    else
        field = new Field_Edit(edit, char_set); // owned by edit
    field->Set_Check(std::move(check), rule);
    return field;
}

bool Validate_Field(QLineEdit* edit)
{
    Field_Edit* field = Find_Field(edit);
    return field ? field->Validate() : false;
}

bool Validate_Controls(QWidget* window)
{
    if (!window)
        return false;
    if (g_returning && (g_returning == window || window->isAncestorOf(g_returning)))
        return true;
    auto* edit = qobject_cast<QLineEdit*>(window->focusWidget());
    if (!edit || !window->isAncestorOf(edit))
        return false;
    Field_Edit* field = Find_Field(edit);
    if (!field || !field->Validate())
        return false;
    edit->setFocus(Qt::OtherFocusReason);
    return true;
}

namespace {

// Runs the check of the fields of root that pass `which`, as
// Validate_All_Fields describes.
bool Validate_Fields(QWidget* root, bool (*which)(const Field_Edit&))
{
    if (!root)
        return false;
    const QList<QLineEdit*> edits = root->findChildren<QLineEdit*>();
    for (QLineEdit* edit : edits) {
        // The fields of root's own window that it shows and the user may
        // edit; a dialog or page that is a child of root has its own.
        if (edit->window() != root->window() || !edit->isVisibleTo(root->window()) ||
            edit->isReadOnly())
            continue;
        Field_Edit* field = Find_Field(edit);
        if (field && which(*field) && field->Correct()) {
            edit->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return false;
}

} // namespace

bool Validate_All_Fields(QWidget* root)
{
    return Validate_Fields(root, [](const Field_Edit&) { return true; });
}

bool Validate_Edited_Fields(QWidget* root)
{
    return Validate_Fields(root, [](const Field_Edit& field) { return field.Edited(); });
}

bool Validate_Window(QWidget* window)
{
    return Validate_Controls(window) || Validate_Edited_Fields(window);
}

void Put_Field_Text(QLineEdit* edit, const QString& text)
{
    if (Field_Edit* field = Find_Field(edit))
        field->Put_Text(text);
    else if (edit && !edit->isReadOnly())
        edit->setText(text);
}

void Select_Text(QLineEdit* edit)
{
    if (edit)
        edit->setSelection(0, static_cast<int>(edit->text().size()));
}

void Select_Text_Item(const QList<QLineEdit*>& array, int index)
{
    if (index >= 0 && index < array.size())
        Select_Text(array[index]);
}

void Bind_Status_Hint(QWidget* control, QLabel* status, const QString& hint)
{
    Bind_Status_Hint(control, status, [hint] { return hint; });
}

void Bind_Status_Hint(QWidget* control, QLabel* status, std::function<QString()> hint)
{
    if (control && status && hint)
        new Status_Hint(control, status, std::move(hint)); // owned by control
}

// --- checks ----------------------------------------------------------------------

namespace {

QString Title_Text(const Title_Source& title)
{
    return title ? title() : QString();
}

} // namespace

Field_Check String_Check(int char_set, Title_Source title)
{
    return [char_set, title = std::move(title)](const QString& text, bool& cancel) {
        return core::Validate_String(text, char_set, Title_Text(title), cancel);
    };
}

Field_Check Real_Check(int mode, const QString& default_text, double minimum, double maximum,
                       Title_Source title)
{
    return [=, title = std::move(title)](const QString& text, bool& cancel) {
        return core::Validate_Real(mode, text, default_text, minimum, maximum, Title_Text(title), cancel);
    };
}

Field_Check Octal_Check(std::int32_t default_value, std::int32_t minimum, std::int32_t maximum,
                        int width, Title_Source title)
{
    return [=, title = std::move(title)](const QString& text, bool& cancel) {
        return core::Validate_Octal(text, default_value, minimum, maximum, Title_Text(title), width, cancel);
    };
}

Field_Check Hex_Check(std::int32_t default_value, std::int32_t minimum, std::int32_t maximum,
                      Title_Source title)
{
    return [=, title = std::move(title)](const QString& text, bool& cancel) {
        return core::Validate_Hex(text, default_value, minimum, maximum, Title_Text(title), cancel);
    };
}

Field_Check Hex_Except_Check(std::int32_t default_value, std::int32_t minimum,
                             std::int32_t maximum, std::int32_t extra, Title_Source title)
{
    return [=, title = std::move(title)](const QString& text, bool& cancel) {
        return core::Validate_Hex_Except(text, default_value, minimum, maximum, Title_Text(title), extra,
                                         cancel);
    };
}

Field_Check Fact_Check(const core::Item_Fact& fact, Title_Source title)
{
    const auto whole = [](double value) { return static_cast<std::int32_t>(value); };
    switch (fact.Radix) {
    case 8: {
        const int width = static_cast<int>(core::To_Octal(whole(fact.Maximum)).size());
        return Octal_Check(whole(fact.Default), whole(fact.Minimum), whole(fact.Maximum), width, std::move(title));
    }
    case 16:
        if (fact.Also_Accepted)
            return Hex_Except_Check(whole(fact.Default), whole(fact.Minimum), whole(fact.Maximum),
                                    whole(*fact.Also_Accepted), std::move(title));
        return Hex_Check(whole(fact.Default), whole(fact.Minimum), whole(fact.Maximum), std::move(title));
    default:
        return Real_Check(core::Decimals(fact), core::Default_Text(fact), fact.Minimum, fact.Maximum,
                          std::move(title));
    }
}

// --- Up_Down ---------------------------------------------------------------------

Up_Down::Up_Down(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const struct {
        QToolButton* button;
        Qt::ArrowType arrow;
        const char* name;
        bool up;
    } buttons[] = {{up_, Qt::UpArrow, "Up", true}, {down_, Qt::DownArrow, "Down", false}};
    // The pair is as tall as the text field beside it.
    const int half = QLineEdit().sizeHint().height() / 2;
    for (const auto& b : buttons) {
        b.button->setObjectName(QString::fromLatin1(b.name));
        b.button->setArrowType(b.arrow);
        b.button->setFocusPolicy(Qt::NoFocus);
        b.button->setAutoRepeat(true);
        b.button->setFixedSize(2 * half, half);
        b.button->setIconSize(QSize(half, half / 2));
        const bool up = b.up;
        connect(b.button, &QToolButton::clicked, this, [this, up] { Step(up); });
        layout->addWidget(b.button);
    }
    setFocusPolicy(Qt::NoFocus);
}

void Up_Down::Set_Step(QLineEdit* field, std::function<void(bool up)> step)
{
    field_ = field;
    step_ = std::move(step);
}

void Up_Down::Step(bool up)
{
    // What the field shows is checked before it is stepped: a corrected
    // value stays as the box said.
    if (Field_Edit* field = Find_Field(field_); field && field->Correct())
        return;
    if (step_)
        step_(up);
    emit Stepped(up);
}

bool Up_Down::event(QEvent* event)
{
    // The release of a held button goes to the box that blocks the window:
    // the press ends here, so the button neither keeps repeating nor acts
    // on a later release.
    if (event->type() == QEvent::WindowBlocked) {
        for (QToolButton* button : {up_, down_}) {
            if (button->isDown())
                button->setDown(false);
        }
    }
    return QWidget::event(event);
}

void Bind_Whole_Step(Up_Down* spin, QLineEdit* edit, std::int32_t minimum, std::int32_t maximum,
                     std::int32_t default_value)
{
    QPointer<QLineEdit> guarded(edit);
    spin->Set_Step(edit, [guarded, minimum, maximum, default_value](bool up) {
        if (!guarded)
            return;
        const std::optional<double> number = core::Parse_Number(guarded->text());
        double value = number ? std::round(*number) : default_value;
        value += up ? 1 : -1;
        value = std::clamp(value, static_cast<double>(minimum), static_cast<double>(maximum));
        guarded->setText(QString::number(static_cast<std::int64_t>(value)));
    });
}

void Bind_Real_Step(Up_Down* spin, QLineEdit* edit, const QString& default_text, double minimum,
                    double maximum, Title_Source title)
{
    QPointer<QLineEdit> guarded(edit);
    spin->Set_Step(edit, [=](bool up) {
        if (!guarded)
            return;
        guarded->setText(core::Step_Real(up, guarded->text(), default_text, minimum, maximum,
                                         Title_Text(title)));
        // The field's own check formats the result; its cancel is its own, so
        // the focus is not held.
        if (Field_Edit* field = Find_Field(guarded))
            field->Validate();
    });
}

void Bind_Fact_Step(Up_Down* spin, QLineEdit* edit, const core::Item_Fact& fact, Title_Source title)
{
    if (core::Decimals(fact) == 0)
        Bind_Whole_Step(spin, edit, static_cast<std::int32_t>(fact.Minimum), static_cast<std::int32_t>(fact.Maximum),
                        static_cast<std::int32_t>(fact.Default));
    else
        Bind_Real_Step(spin, edit, core::Default_Text(fact), fact.Minimum, fact.Maximum, std::move(title));
}

} // namespace pages
