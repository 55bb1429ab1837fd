#include "editor/pages/closed_combo_entries.h"

#include <QAccessible>
#include <QComboBox>
#include <QHash>
#include <QPointer>

namespace pages {

namespace {

class Closed_Entries;

// One entry: its text, selected while the list shows it.
class Closed_Entry final : public QAccessibleInterface {
public:
    Closed_Entry(Closed_Entries* list, int row) : list_(list), row_(row) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return QRect(); }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

    int Row() const { return row_; }

private:
    Closed_Entries* list_;
    int row_;
};

// The list of entries, made one by one as they are asked for.
class Closed_Entries final : public QAccessibleInterface {
public:
    explicit Closed_Entries(QComboBox* combo) : combo_(combo) {}
    ~Closed_Entries() override
    {
        for (const QAccessible::Id id : std::as_const(entries_))
            QAccessible::deleteAccessibleInterface(id);
    }
    Closed_Entries(const Closed_Entries&) = delete;
    Closed_Entries& operator=(const Closed_Entries&) = delete;

    bool isValid() const override { return !combo_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface* parent() const override
    {
        return combo_ ? QAccessible::queryAccessibleInterface(combo_) : nullptr;
    }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        auto found = entries_.constFind(index);
        if (found == entries_.cend())
            found = entries_.insert(index, QAccessible::registerAccessibleInterface(
                                               new Closed_Entry(const_cast<Closed_Entries*>(this), index)));
        return QAccessible::accessibleInterface(*found);
    }
    int childCount() const override { return combo_ ? combo_->count() : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* entry = dynamic_cast<const Closed_Entry*>(child);
        return entry && child->parent() == this && entry->Row() < childCount() ? entry->Row() : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && combo_ ? combo_->accessibleName() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return QRect(); }
    QAccessible::Role role() const override { return QAccessible::List; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }

    QComboBox* Combo() const { return combo_; }

private:
    QPointer<QComboBox> combo_;
    mutable QHash<int, QAccessible::Id> entries_;
};

bool Closed_Entry::isValid() const
{
    return list_->isValid() && row_ < list_->childCount();
}

QWindow* Closed_Entry::window() const
{
    return list_->window();
}

QAccessibleInterface* Closed_Entry::parent() const
{
    return list_;
}

QString Closed_Entry::text(QAccessible::Text t) const
{
    return t == QAccessible::Name && isValid() ? list_->Combo()->itemText(row_) : QString();
}

// Not showing and never focused: the list is closed, and the focus is on the
// drop-down list itself while it has it.
QAccessible::State Closed_Entry::state() const
{
    QAccessible::State state;
    state.invisible = true;
    state.selectable = true;
    state.selected = isValid() && list_->Combo()->currentIndex() == row_;
    return state;
}

} // namespace

QAccessibleInterface* Make_Closed_Combo_Entries(QComboBox* combo)
{
    return new Closed_Entries(combo);
}

} // namespace pages
