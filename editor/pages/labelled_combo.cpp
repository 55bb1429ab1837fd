#include "editor/pages/labelled_combo.h"

#include "editor/pages/page_widgets.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>

namespace pages {

namespace {

using Relations = QList<QPair<QAccessibleInterface*, QAccessible::Relation>>;

class Labelled_Combo final : public QAccessibleWidget {
public:
    explicit Labelled_Combo(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

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

    Relations relations(QAccessible::Relation match) const override
    {
        Relations found = QAccessibleWidget::relations(match);
        QLabel* label = Row_Label(Combo());
        if (!(match & QAccessible::Label) || !label)
            return found;
        QAccessibleInterface* row_label = QAccessible::queryAccessibleInterface(label);
        const QAccessible::Relation labels(QAccessible::Label);
        found.removeIf([&](const auto& relation) { return relation.first == row_label && relation.second == labels; });
        found.prepend({row_label, labels});
        return found;
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
    if (face && !dynamic_cast<Labelled_Combo*>(face))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
}

} // namespace pages
