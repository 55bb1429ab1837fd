#pragma once
// Which page controls hold the repeated fields of the generation-8 user
// record (cabin numbers, item 45's numbers, the addresses of items 72 to
// 75): tables read by the two directions and by the short records. The
// scalar items are rows of the item table (user_items.h).

#include "editor/user_partition/user_record_v8.h"

#include <QString>
#include <array>
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

// Items 72 to 75: an octet-box array, its field and first element.
struct Octet_Row {
    int Field;
    int First;
    const std::array<QLineEdit*, 4>* Boxes;
    const char* Name;
    const char* Label; // report label head, followed by the octet index
};
std::vector<Octet_Row> V8_Octet_Rows(Page_Set& pages);

} // namespace User_Mod
