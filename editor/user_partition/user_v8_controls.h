#pragma once
// Which page controls hold the cabin numbers of the user records: a table
// read by the two directions and by the short records. The scalar items are
// rows of the item table (user_items.h).

#include "editor/user_partition/user_record_v8.h"

#include <QString>
#include <vector>

class Page_Set;
class QLineEdit;

namespace User_Mod {

// Item 16: one cabin-number box, its record element and its report label.
struct Cabin_Slot {
    QLineEdit* Field;
    QLineEdit* Channel_B; // the box itself when it is a channel-B box, else null
    int Element;
    int Sdu;               // 0 or 1
    QString Label;
};
std::vector<Cabin_Slot> Cabin_Slots(Page_Set& pages);

} // namespace User_Mod
