#pragma once
// The page "Cabin APHONE Presets": the cabin telephone items. Secured: the
// system-management permission per SDU (item 23) and the audio level (59).
// User: the ground-to-air permissions (10, 13) and per SDU the preferred
// call routing (21), the outgoing call-barring level (24), the call-barring
// security code (25) and for each of the two APHONEs the called terminal ID
// with its assignment type (45).
//
// Item 45 names read Control_45_ + SDU digit + field letter (a terminal ID,
// b assignment type) + APHONE digit. A terminal ID of "-1" fixes its
// assignment type to "Not Exclusive" and disables it.
//
// The controls are public: the partition code reads and writes them by name.
// Each spin button keeps its current value in its dynamic property "Value";
// Control_59 carries a second, hidden value of item 59 as its Tag ("128").

#include "editor/pages/page_frame.h"

#include <QString>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace pages {
class Up_Down;
}

// The factory call-barring security code (item 25): the text its fields
// start with and the user factory defaults write.
inline constexpr const char* SECURITY_CODE_DEFAULT = "6839";

// The check of a call-barring security code: digits only, exactly four.
// A character other than a digit gives the invalid-character box (titled
// with the program's title) and is dropped; a code that is then shorter than
// four digits gives "Must be exactly 4 digits" (titled with the caption) and
// is left-padded with "0". Each box sets cancel.
QString Validate_Security_Code(const QString& text, const QString& caption, bool& cancel);

class Page_Cabin : public Page_Frame {
    Q_OBJECT
public:
    Page_Cabin();

    void Setup_ToolTips(int mode) override;
    void Write_Text_Output(QStringList& lines) override;

    // For the partition code after it has put loaded values into the page:
    // each assignment-type combo is enabled unless its terminal ID reads
    // "-1". Only the enabled state changes; texts and selections stay.
    void Apply_Assignment_Type_Rule();

    // Secured items.
    QComboBox* Control_23a = nullptr;
    QComboBox* Control_23b = nullptr;
    QLineEdit* Control_59 = nullptr;
    pages::Up_Down* UpDown_59 = nullptr;

    // User items.
    QComboBox* Control_10 = nullptr;
    QComboBox* Control_13 = nullptr;
    QComboBox* Control_21a = nullptr;
    QComboBox* Control_21b = nullptr;
    QComboBox* Control_24a = nullptr;
    QComboBox* Control_24b = nullptr;
    QLineEdit* Control_25a = nullptr;
    QLineEdit* Control_25b = nullptr;
    QLineEdit* Control_45_1a1 = nullptr;
    QLineEdit* Control_45_1a2 = nullptr;
    QLineEdit* Control_45_2a1 = nullptr;
    QLineEdit* Control_45_2a2 = nullptr;
    pages::Up_Down* UpDown_45_1a1 = nullptr;
    pages::Up_Down* UpDown_45_1a2 = nullptr;
    pages::Up_Down* UpDown_45_2a1 = nullptr;
    pages::Up_Down* UpDown_45_2a2 = nullptr;
    QComboBox* Control_45_1b1 = nullptr;
    QComboBox* Control_45_1b2 = nullptr;
    QComboBox* Control_45_2b1 = nullptr;
    QComboBox* Control_45_2b2 = nullptr;

    std::array<QLabel*, 1> Label_Sec_L0{};
    std::array<QLabel*, 1> Label_Sec_L1{};
    std::array<QLabel*, 11> Label_User_L0{};
    // Element 0 in Frame_Secured, element 1 in Frame_User.
    std::array<QGroupBox*, 2> Frame_SDU1{};
    std::array<QGroupBox*, 2> Frame_SDU2{};

private:
    void Build_Controls();
    void Build_Secured();
    void Build_User();
    void Bind_Fields();
    void Bind_Terminal(QLineEdit* edit, pages::Up_Down* spin, QComboBox* type, int aphone_label);

};
