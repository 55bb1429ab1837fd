#pragma once
// What the ORT type dialog's chosen configuration gives the partition code
// besides the version records: the configuration text, the default of item 27
// (RFU installed) and the part numbers a new ORT starts with. Program-wide:
// the dialog fills it when a choice is taken over, the defaults read it.

#include <QString>

namespace core {

struct Type_Choice {
    QString Software_Config_Text;
    // Default list index of item 27: 0, or 1 for the second SDU model.
    int RFU_Default_Index = 0;
    // Secured part number of the configuration (empty for most of them).
    QString Secured_Part_Number_Text;
    // User part number a new ORT starts with (emptied by every choice).
    QString User_Part_Number_Text;

    bool operator==(const Type_Choice&) const = default;
};

// The program-wide choice; empty at start-up.
Type_Choice& Chosen_Type();
void Reset_Chosen_Type();

} // namespace core
