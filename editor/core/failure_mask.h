#pragma once
// A failure-mask entry as the packed 32-bit word of the secured record and
// as the fixed-column line of the failure-mask list, and the conversions
// between them.
//
// Word bits: 0-7 Fail code, 8-11 SRU low half, 12-19 Level 1 code, 20-23 SRU
// high half, 24-25 mask type (1 Indictment, 2 Failure, 0 empty slot), 26 set
// when the SRU code is above 15, 27-31 zero.
//
// Line columns (from 1): 2-3 Level 1 code, 11 SRU character, 17-18 Fail code,
// 27 on the mask type text.

#include <QString>
#include <cstdint>
#include <stdexcept>

namespace core {

// A list line whose codes cannot be read back into a word.
class Failure_Entry_Error : public std::runtime_error {
public:
    Failure_Entry_Error();
    static constexpr int Number = 13;
    // "Type mismatch"
    QString Description() const { return QString::fromLatin1(what()); }
};

inline const QString MASK_TYPE_INDICTMENT = QStringLiteral("Indictment");
inline const QString MASK_TYPE_FAILURE = QStringLiteral("Failure");
inline const QString MASK_TYPE_UNKNOWN = QStringLiteral("Unknown");

// Mask type of a word (bits 24-25); 0 marks an empty slot.
int Failure_Mask_Type(std::uint32_t word);

// SRU code of a word: its high half from bits 20-23, its low half from 8-11.
int Failure_Mask_SRU(std::uint32_t word);

// The list line of a word. The word is the value as read from the record
// (platform::Get_U32), i.e. already in host order. SRU codes from 36 to 255
// have no character in "0"-"9", "A"-"Z" and are shown as "?".
QString Failure_Entry_To_Text(std::uint32_t word);

// True for the SRU codes a line has a character for (0 to 35).
bool SRU_Has_Char(int sru);

// The list line of a word whose SRU code has no character: the line of
// Failure_Entry_To_Text ("?" at column 11) followed by a note that names the
// code in hexadecimal, "   (SRU code 2C(Hex) unknown)", so that two such
// masks never read alike. Get_Mask_Type leaves the note out.
QString Unknown_SRU_Line(std::uint32_t word);

// The word of a list line, in host order, ready for platform::Put_U32.
// Throws Failure_Entry_Error when columns 2-3 or 17-18 are not two
// hexadecimal digits or the line has no column 11.
std::uint32_t Text_To_Failure_Entry(const QString& line);

// A list line from its four field texts: the codes zero-padded to two
// characters, the SRU text upper-cased.
QString Format_Failure_Entry(const QString& level1, const QString& sru, const QString& fail,
                             const QString& mask_type);

// One field of a line; shorter lines give what there is.
QString Get_Level1_Code(const QString& line); // columns 2-3
QString Get_SRU_Code(const QString& line);    // column 11
QString Get_Fail_Code(const QString& line);   // columns 17-18
QString Get_Mask_Type(const QString& line);   // column 27 to the end, without an unknown-SRU note

// SRU code <-> its one character in a line.
QChar SRU_Char(int sru);
int SRU_Value(QChar c);

} // namespace core
