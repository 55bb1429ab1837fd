#include "editor/core/conversion_report.h"

#include <QComboBox>
#include <QListWidget>

namespace core {

List_Control::List_Control(QComboBox* combo) : combo_(combo)
{
    if (combo_ == nullptr)
        throw std::invalid_argument("List_Control: no combo box");
}

List_Control::List_Control(QListWidget* list) : list_(list)
{
    if (list_ == nullptr)
        throw std::invalid_argument("List_Control: no list box");
}

int List_Control::Count() const
{
    return combo_ != nullptr ? combo_->count() : list_->count();
}

int List_Control::Index() const
{
    return combo_ != nullptr ? combo_->currentIndex() : list_->currentRow();
}

void List_Control::Set_Index(int index) const
{
    if (index < -1 || index >= Count())
        throw std::out_of_range("List index " + std::to_string(index) + " outside the list of " +
                                std::to_string(Count()) + " entries");
    if (combo_ != nullptr) {
        combo_->setCurrentIndex(index);
        return;
    }
    list_->setCurrentRow(index);
    if (index == -1)
        list_->clearSelection();
}

QString List_Control::Item_Text(int index) const
{
    if (index < 0 || index >= Count())
        return {};
    return combo_ != nullptr ? combo_->itemText(index) : list_->item(index)->text();
}

} // namespace core
