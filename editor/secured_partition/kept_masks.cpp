#include "editor/secured_partition/kept_masks.h"

#include "editor/core/failure_mask.h"

#include <QListWidget>
#include <QVariant>

namespace Secured_Mod {

namespace {
constexpr int KEPT_WORD_ROLE = Qt::UserRole + 1;
}

void Add_Kept_Mask(QListWidget* list, std::uint32_t word)
{
    auto* item = new QListWidgetItem(core::Unknown_SRU_Line(word), list); // owned by list
    item->setData(KEPT_WORD_ROLE, QVariant::fromValue(word));
}

std::uint32_t Stored_Mask_Word(const QListWidgetItem* item)
{
    const QVariant kept = item->data(KEPT_WORD_ROLE);
    if (kept.isValid()) {
        const auto word = kept.value<std::uint32_t>();
        if (item->text() == core::Unknown_SRU_Line(word))
            return word;
    }
    return core::Text_To_Failure_Entry(item->text());
}

} // namespace Secured_Mod
