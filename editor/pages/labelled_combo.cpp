#include "editor/pages/labelled_combo.h"

#include "editor/pages/labelled_fields.h"
#include "editor/pages/page_widgets.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>

namespace pages {

namespace {

// Set on a list once its selection follows the entry it shows.
const char* const SHOWN_ENTRY_SELECTED = "Shown_Entry_Selected";

class Labelled_Combo final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit Labelled_Combo(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The one child is the list the entries drop down in.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(Combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == Combo()->view() ? 0 : -1;
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
        if (Combo()->view()->isVisible())
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
};

QAccessibleInterface* Combo_Interface(const QString&, QObject* object)
{
    auto* combo = qobject_cast<QComboBox*>(object);
    if (!combo || combo->isEditable())
        return nullptr;
    // The accessibility cache owns the interface and deletes it with the list.
    return new Labelled_Combo(combo);
}

// The entry the list shows is the selected entry of the list it drops down
// in, before the list first drops down too.
void Select_Shown_Entry(QComboBox* combo)
{
    QItemSelectionModel* selection = combo->view()->selectionModel();
    if (!selection)
        return;
    const QModelIndex shown = combo->model()->index(combo->currentIndex(), combo->modelColumn(), combo->rootModelIndex());
    if (!shown.isValid()) {
        selection->clearSelection();
        return;
    }
    if (!selection->isSelected(shown))
        selection->setCurrentIndex(shown, QItemSelectionModel::ClearAndSelect);
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
    if (!combo->property(SHOWN_ENTRY_SELECTED).toBool()) {
        combo->setProperty(SHOWN_ENTRY_SELECTED, true);
        QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [combo] { Select_Shown_Entry(combo); });
        Select_Shown_Entry(combo);
    }
    // A list whose interface Qt made before (a change of its entry makes one)
    // drops it; the next question makes the labelled one.
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(combo);
    if (face && !dynamic_cast<Labelled_Combo*>(face))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
}

} // namespace pages
