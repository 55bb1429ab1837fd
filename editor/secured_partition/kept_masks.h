#pragma once
// Failure masks whose SRU code has no character in a mask line (36 to 255).
// Such a mask is kept: its list item holds the word the file held, and that
// word is what the save direction stores while the item still shows the line
// the load made. A line the user changed is stored as it reads; a deleted
// one is gone.

#include <cstdint>

class QListWidget;
class QListWidgetItem;

namespace Secured_Mod {

// Appends the line of a kept word (core::Unknown_SRU_Line) holding the word.
void Add_Kept_Mask(QListWidget* list, std::uint32_t word);

// The word a list item stores: the kept word while its line is unchanged,
// else the word of its line (core::Text_To_Failure_Entry, which may throw
// core::Failure_Entry_Error).
std::uint32_t Stored_Mask_Word(const QListWidgetItem* item);

} // namespace Secured_Mod
