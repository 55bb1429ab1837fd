#pragma once
// The secured partition's moves between its records and the page controls,
// and the preparation of those controls for a new, opened or converted ORT.
//
// The load direction (Update_GUI) is chosen by the loaded secured version
// info, the save direction (Update_Data) by the current one. Levels
// (Feature_Level, Airframer_Level) are always those of the current secured
// version info, the target.

#include <stdexcept>

#include <QString>

class Page_Set;

namespace Secured_Mod {

// A control value that the record cannot hold (no selection in a field
// stored as a byte, a transit cell that is not an octal byte, a text longer
// than its field, no priority chosen for item 44).
class Secured_Data_Error : public std::runtime_error {
public:
    explicit Secured_Data_Error(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message)
    {
    }
    const QString& Message() const { return message_; }

private:
    QString message_;
};

// --- save direction ----------------------------------------------------------

// The controls into the record of the current secured Partition_Version
// (7, 10, 13). Any other version shows "Secured Update_Data: Unsupported
// version: " with the value and changes no record. A control value the
// record cannot hold throws Secured_Data_Error (or the failure-mask codec's
// error) and leaves the record as it was.
void Update_Data(Page_Set& pages);

// --- load direction ----------------------------------------------------------

// The record of the loaded secured ORT_Type into the controls: 4/6, 7/9,
// 10/12, 13/15 their generation's loader; a user-only type (5, 8, 11, 14)
// the box "Warning, Convertion uses some or all default values."; any other
// "Secure Update_GUI: Unsupported version: " with the type. A stored list
// index the control does not offer throws std::out_of_range.
void Update_GUI(Page_Set& pages);

// --- preparation -------------------------------------------------------------

// Nothing when the current secured Partition_Version is 99; otherwise the
// default values, visibility, captions and enables, in this order.
void Set_Secured_Defaults_New(Page_Set& pages);
// As Set_Secured_Defaults_New, then Update_GUI and Update_Data.
void Convert_Secured(Page_Set& pages);

// Fills in the tooltip of every control whose page lets it name its
// default (pages/default_tips.h): the list's entry at the row's default
// index, or the row's default text. Once, when the pages are built.
void Set_Secured_Default_Tips(Page_Set& pages);

void Set_Secured_Default_Values(Page_Set& pages);
void Set_Secured_Visibility(Page_Set& pages);
void Set_Secured_Captions(Page_Set& pages);
void Set_Secured_Enabled(Page_Set& pages);

inline constexpr const char* DEFAULT_VALUES_WARNING =
    "Warning, Convertion uses some or all default values.";

} // namespace Secured_Mod
