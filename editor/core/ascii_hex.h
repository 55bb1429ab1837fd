#pragma once
// The ASCII-hex form of an ORT file: the file's bytes as upper-case
// hexadecimal digits, 80 digits (40 bytes) a line, each line ended by CR LF,
// then one empty line.
//
// Both conversions replace their output file whole and only on success: the
// output is written to a temporary file in the same folder and renamed over
// the target at the end, so a failure leaves an existing file untouched.
// A failure shows one box whose text is the failure's description and whose
// title is its error number (for example "Overflow" titled "6").

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace core {

constexpr int HEX_BYTES_PER_LINE = 40;

// Error numbers and descriptions of the conversions.
struct Ascii_Hex_Error {
    int Number = 0;
    QString Description;
};
Ascii_Hex_Error Overflow_Error();       // 6 "Overflow"
Ascii_Hex_Error File_Not_Found_Error(); // 53 "File not found"
Ascii_Hex_Error Io_Error();             // 57 "Device I/O error"
Ascii_Hex_Error Access_Error();         // 75 "Path/File access error"

// The hex text of a whole binary image.
QByteArray Encode_Ascii_Hex(const QByteArray& binary);

// Reads hex text character by character. CR and LF count as line ends; the
// third line end in a row stops the reading. Any other character is a digit
// worth its code minus 48 ("0"-"9") or minus 55 (anything else, so "A"-"F"
// give 10-15); two digits make a byte. A digit below zero or a byte above 255
// is an overflow. A digit left pending at the end is dropped.
class Ascii_Hex_Decoder {
public:
    enum class State { Reading, Stopped, Overflow };

    // Decodes the characters of chunk, appending bytes to out, until the
    // chunk ends or the reader stops; returns the state afterwards.
    State Feed(QByteArrayView chunk, QByteArray& out);
    State Current() const { return state_; }

private:
    State state_ = State::Reading;
    int ends_ = 0;
    int pending_ = -1; // the high digit waiting for its partner, -1 for none
};

struct Ascii_Hex_Decode_Result {
    bool Ok = false; // false: overflow; Bytes then holds what was decoded before it
    QByteArray Bytes;
};

// Decodes a whole hex text.
Ascii_Hex_Decode_Result Decode_Ascii_Hex(QByteArrayView text);

// Writes the hex form of the binary file into ascii_path. True on success;
// on failure one box has been shown and ascii_path is unchanged.
bool Binary_To_Ascii(const QString& binary_path, const QString& ascii_path);

// Writes the bytes that the hex file spells into binary_path. On success
// returns binary_path, the name the caller makes its current file; on
// failure one box has been shown, binary_path is unchanged and nothing is
// returned.
std::optional<QString> Ascii_To_Binary(const QString& ascii_path, const QString& binary_path);

} // namespace core
