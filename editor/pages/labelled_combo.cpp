#include "editor/pages/labelled_combo.h"

#include "editor/pages/closed_combo_entries.h"
#include "editor/pages/labelled_fields.h"
#include "editor/pages/page_widgets.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>

#include <typeinfo>

namespace pages {

namespace {

// The view combo's entries drop down in, once it has opened (QComboBox::view
// builds it, with its popup, on the first call).
QAbstractItemView* Built_View(const QComboBox* combo)
{
    return combo->findChild<QAbstractItemView*>();
}

class Labelled_Combo final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit Labelled_Combo(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}
    ~Labelled_Combo() override
    {
        if (closed_entries_)
            QAccessible::deleteAccessibleInterface(closed_entries_);
    }
    Labelled_Combo(const Labelled_Combo&) = delete;
    Labelled_Combo& operator=(const Labelled_Combo&) = delete;

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The one child is the list of entries: the view they drop down in while
    // it is open, their closed list otherwise.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        if (index != 0)
            return nullptr;
        if (QAbstractItemView* view = Open_View())
            return QAccessible::queryAccessibleInterface(view);
        if (!closed_entries_)
            closed_entries_ = QAccessible::registerAccessibleInterface(Make_Closed_Combo_Entries(Combo()));
        return QAccessible::accessibleInterface(closed_entries_);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child)
            return -1;
        const QAbstractItemView* view = Open_View();
        if (view ? child->object() == view : child == QAccessible::accessibleInterface(closed_entries_))
            return 0;
        return -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && !Combo()->accessibleName().isEmpty())
            return Combo()->accessibleName();
        if (t == QAccessible::Name || t == QAccessible::Value)
            return Combo()->currentText();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (Open_View())
            Combo()->hidePopup();
        else
            Combo()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    Accessible_Relations relations(QAccessible::Relation match) const override
    {
        return With_Row_Label(Combo(), match, QAccessibleWidget::relations(match));
    }

    // The text is the entry the list shows; it cannot be typed into, so it
    // has no cursor and no selection of its own.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override
    {
        return start > end ? QString() : Combo()->currentText().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(Combo()->currentText().size()); }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return QString();
    }

private:
    QComboBox* Combo() const { return static_cast<QComboBox*>(widget()); }
    QAbstractItemView* Open_View() const
    {
        QAbstractItemView* view = Built_View(Combo());
        return view && view->isVisible() ? view : nullptr;
    }

    mutable QAccessible::Id closed_entries_ = 0;
};

QAccessibleInterface* Combo_Interface(const QString&, QObject* object)
{
    auto* combo = qobject_cast<QComboBox*>(object);
    if (!combo || combo->isEditable())
        return nullptr;
    // The accessibility cache owns the interface and deletes it with the list.
    return new Labelled_Combo(combo);
}

} // namespace

void Answer_As_Labelled(QComboBox* combo)
{
    static const bool installed = [] {
        QAccessible::installFactory(&Combo_Interface);
        return true;
    }();
    (void)installed;
    if (combo->isEditable())
        return;
    // A list whose interface Qt made before (a change of its entry makes one)
    // drops it; the next question makes the labelled one.
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(combo);
    if (face && typeid(*face) != typeid(Labelled_Combo))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
}

} // namespace pages
