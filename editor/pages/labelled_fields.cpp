#include "editor/pages/labelled_fields.h"

#include "editor/pages/field_edit.h"
#include "editor/pages/page_widgets.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <typeinfo>

namespace pages {

Accessible_Relations With_Row_Label(const QWidget* field, QAccessible::Relation match,
                                    Accessible_Relations found)
{
    QLabel* label = Row_Label(field);
    if (!(match & QAccessible::Label) || !label)
        return found;
    QAccessibleInterface* row_label = QAccessible::queryAccessibleInterface(label);
    const QAccessible::Relation labels(QAccessible::Label);
    found.removeIf([&](const auto& relation) { return relation.first == row_label && relation.second == labels; });
    found.prepend({row_label, labels});
    return found;
}

namespace {

// A text field: its text as it shows it (a password field shows its mask),
// its cursor, its one selection and its editing, as Qt's own answer gives
// them, and its row label.
class Labelled_Edit final : public QAccessibleWidget,
                            public QAccessibleTextInterface,
                            public QAccessibleEditableTextInterface {
public:
    explicit Labelled_Edit(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (Edit()->isReadOnly())
            state.readOnly = true;
        else
            state.editable = true;
        state.selectableText = true;
        if (Edit()->echoMode() != QLineEdit::Normal)
            state.passwordEdit = true;
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return Shown();
        return QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override
    {
        if (t == QAccessible::Value)
            Put_Field_Text(Edit(), text);
        else
            QAccessibleWidget::setText(t, text);
    }

    Accessible_Relations relations(QAccessible::Relation match) const override
    {
        return With_Row_Label(Edit(), match, QAccessibleWidget::relations(match));
    }

    // --- text ---
    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index == 0 && Edit()->hasSelectedText()) {
            *start = Edit()->selectionStart();
            *end = Edit()->selectionEnd();
        }
    }
    int selectionCount() const override { return Edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            Edit()->deselect();
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            Edit()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return Edit()->cursorPosition(); }
    void setCursorPosition(int position) override { Edit()->setCursorPosition(position); }
    QString text(int start, int end) const override
    {
        return start > end ? QString() : Shown().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(Shown().size()); }
    QRect characterRect(int offset) const override
    {
        // Measured from the cursor, whose rectangle the field gives.
        const QString shown = Shown();
        if (offset < 0 || offset >= shown.size())
            return QRect();
        const QFontMetrics metrics(Edit()->font());
        const int cursor = Edit()->cursorPosition();
        const QRect at_cursor = Edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int x = offset >= cursor ? at_cursor.x() + metrics.horizontalAdvance(shown.mid(cursor, offset - cursor))
                                       : at_cursor.x() - metrics.horizontalAdvance(shown.mid(offset, cursor - offset));
        const QRect local(x, at_cursor.y(), metrics.horizontalAdvance(shown.at(offset)), at_cursor.height());
        return QRect(Edit()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return Edit()->cursorPositionAt(Edit()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override
    {
        Edit()->setCursorPosition(end);
        Edit()->setCursorPosition(start);
    }
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return QString();
    }

    // --- editing ---
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override
    {
        Put_Field_Text(Edit(), Edit()->text().replace(start, end - start, text));
    }

private:
    QLineEdit* Edit() const { return static_cast<QLineEdit*>(widget()); }
    QString Shown() const { return Edit()->displayText(); }
};

// A cell of a grid of push buttons: named by its row and column, followed by
// the caption it shows ("Zone 1 SAT 00: 377"), pressed like any button.
class Labelled_Cell final : public QAccessibleWidget {
public:
    explicit Labelled_Cell(QPushButton* cell) : QAccessibleWidget(cell, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return Cell()->accessibleName() + QStringLiteral(": ") + Cell()->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = Cell()->isDown();
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && Cell()->isEnabled())
            Cell()->animateClick();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    Accessible_Relations relations(QAccessible::Relation match) const override
    {
        return With_Row_Label(Cell(), match, QAccessibleWidget::relations(match));
    }

private:
    QPushButton* Cell() const { return static_cast<QPushButton*>(widget()); }
};

bool Is_Own(QAccessibleInterface* face)
{
    // The classes are final: their type tells them, more cheaply than a cast.
    return typeid(*face) == typeid(Labelled_Edit) || typeid(*face) == typeid(Labelled_Cell);
}

QAccessibleInterface* Field_Interface(const QString&, QObject* object)
{
    // Asked for every object Qt makes an interface for, once per class it
    // derives from: the kind is told first, the row label looked up only for
    // the two kinds. A field with a character set takes screen readers'
    // edits through its own interface, whether a row label names it or not.
    // The accessibility cache owns the interface and deletes it with the field.
    if (auto* edit = qobject_cast<QLineEdit*>(object))
        return Has_Row(edit) || Find_Field(edit) ? new Labelled_Edit(edit) : nullptr;
    if (auto* cell = qobject_cast<QPushButton*>(object))
        return Has_Row(cell) ? new Labelled_Cell(cell) : nullptr;
    return nullptr;
}

} // namespace

void Install_Field_Answers()
{
    static const bool installed = [] {
        QAccessible::installFactory(&Field_Interface);
        return true;
    }();
    (void)installed;
}

void Answer_As_Labelled_Field(QWidget* field)
{
    Install_Field_Answers();
    if (!qobject_cast<QLineEdit*>(field) && !qobject_cast<QPushButton*>(field))
        return;
    // A field whose interface Qt made before drops it; the next question
    // makes the labelled one.
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(field);
    if (face && !Is_Own(face))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
}

} // namespace pages
