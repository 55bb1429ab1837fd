#pragma once
// The page "Cabin Phone Numbers": the stored cabin telephone numbers (item
// 16), nine per channel A and B of each SDU, and per SDU whether channel B
// has numbers of its own or shares channel A's (item 26). Each number slot
// holds an 18-character number of digits and minus signs, 18 minus signs
// meaning none; a slot is put into that form when the focus leaves it.
// Text dropped on a channel fills its empty slots.

#include "editor/pages/page_frame.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class Page_Cabin_Numbers : public Page_Frame {
    Q_OBJECT
public:
    // Slot arrays are indexed 1 to 9; element 0 is unused (null).
    static constexpr int SLOT_COUNT = 9;
    using Slot_Array = std::array<QLineEdit*, SLOT_COUNT + 1>;
    using Option_Array = std::array<QRadioButton*, 2>; // 0 "Separate", 1 "Shared"

    Page_Cabin_Numbers();

    void Write_Text_Output(QStringList& lines) override;
    void SetVisiblity(bool bSecured, bool bUser) override;

    // The handlers of the item 26 options of an SDU (0: SDU 1, 1: SDU 2).
    // Separate_Click runs whenever "Separate" becomes selected, by the user
    // or by code: channel B is enabled. Shared_Click runs when the user
    // clicks "Shared": while the page is shown and the type dialog is not,
    // it asks, then copies channel A into channel B and disables channel B,
    // or goes back to "Separate". "Shared" selected by code only makes
    // channel B follow channel A.
    void Separate_Click(int sdu);
    void Shared_Click(int sdu);

    // Text dropped on a channel of an SDU (channel 0: A, 1: B); returns the
    // number of pieces placed. The box when room runs out comes up once the
    // drop has been handled.
    int Drop_Text(int sdu, int channel, const QStringList& pieces);

    // The slots of a channel of an SDU.
    const Slot_Array& Slots(int sdu, int channel) const;
    // The item 26 options of an SDU.
    const Option_Array& Options(int sdu) const;

    QGroupBox* Frame_SDU1 = nullptr;
    QGroupBox* Frame_SDU2 = nullptr;
    std::array<QLabel*, 4> Label_Static{}; // Channel A / B of SDU 1, then of SDU 2
    Slot_Array Control_16_Sat1_ChA{};
    Slot_Array Control_16_Sat1_ChB{};
    Slot_Array Control_16_Sat2_ChA{};
    Slot_Array Control_16_Sat2_ChB{};
    Option_Array Control_26a{};
    Option_Array Control_26b{};

private:
    QGroupBox* Make_SDU_Frame(int sdu);
    void Make_Drop_Target(int sdu, int channel);
    void Highlight_Empty(int sdu, int channel, bool dragging);
    bool Is_Shared(int sdu) const;
    Slot_Array& Slot_Ref(int sdu, int channel);
};
