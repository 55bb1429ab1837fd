#pragma once
// Which page control holds which field of the generation-8 user record:
// tables read by the two directions (and by the later generations, which
// repeat these fields).

#include "editor/user_partition/user_record_v8.h"

#include <QString>
#include <array>
#include <vector>

class Page_Set;
class QComboBox;
class QLineEdit;

namespace User_Mod {

// A list-index field and its combo box.
enum class Load_Rule {
    Always,
    Airframer_0,       // loaded only when the user Airframer_Level is 0
    Airframer_Below_2, // loaded only when the user Airframer_Level is below 2
};
struct Combo_Field {
    int Field;
    int Index; // element of the field
    QComboBox* (*Combo)(Page_Set& pages);
    Load_Rule Rule;
};
// The list indexes stored as they are and set back without a report line:
// items 7, 10, 15, 19, 21, 24, 35, 36, 63. (Items 4, 13, 40 and 58 are
// stored the same way but loaded through the report.)
const std::vector<Combo_Field>& V8_Plain_Combos();
const std::vector<Combo_Field>& V8_Reported_Combos(); // 4, 13, 40a, 40b, 58

// Item 16: one cabin-number box, its record element and its report label.
struct Cabin_Slot {
    QLineEdit* Field;
    QLineEdit* Channel_B; // the box itself when it is a channel-B box, else null
    int Element;
    int Sdu;               // 0 or 1
    QString Label;
};
std::vector<Cabin_Slot> Cabin_Slots(Page_Set& pages);

// Item 45: called terminal ID box and assignment-type list of one element.
struct Terminal {
    QLineEdit* Number;
    QComboBox* Type;
    int Element;
};
std::array<Terminal, 4> Terminals(Page_Set& pages);

// Items 72 to 75: an octet-box array, its field and first element.
struct Octet_Row {
    int Field;
    int First;
    const std::array<QLineEdit*, 4>* Boxes;
    const char* Name;
    const char* Label; // report label head, followed by the octet index
};
std::vector<Octet_Row> V8_Octet_Rows(Page_Set& pages);

// The user ORT description of the main window (item 33); empty when the
// page set has no main-window controls.
QString Description_Text(Page_Set& pages);

} // namespace User_Mod
