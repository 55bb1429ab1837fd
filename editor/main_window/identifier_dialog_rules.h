#pragma once
// What the identifier dialog accepts and the text it hands back
// (the upload identifier): for the Boeing 777 loader the diskette part
// number, data file part number, manufacturer identifier and product
// identifier joined by TAB and upper-cased; for the other loaders the file
// identifier followed by ".cfg". Pure text work.

#include <QString>
#include <optional>

namespace main_window {

// Which fields the dialog shows.
enum class Identifier_Kind { B777, SFIM, Auto };

constexpr int B777_MANUF_ID_LENGTH = 3;
constexpr int B777_PRODUCT_ID_LENGTH = 5;
constexpr int B777_PART_NUMBER_MAX = 15;
constexpr int FILE_ID_MAX = 8;

struct Identifier_Outcome {
    bool Accepted = false;
    QString Result;        // the upload identifier when accepted
    QString Refusal_Text;  // the exclamation box when refused
    QString Refusal_Title;
};

Identifier_Outcome Check_B777_Identifier(const QString& disk_pn, const QString& data_pn,
                                         const QString& manuf_id, const QString& product_id);
Identifier_Outcome Check_File_Identifier(const QString& file_id);

// The four parts of a Boeing 777 upload identifier, and its base file name
// (manufacturer identifier followed by product identifier).
struct B777_Identifier {
    QString Disk_PN;
    QString Data_PN;
    QString Manuf_ID;
    QString Product_ID;
    QString Base_Name() const { return Manuf_ID + Product_ID; }
};
// Nothing for a text that does not have exactly four TAB-separated parts.
std::optional<B777_Identifier> Split_B777_Identifier(const QString& identifier);

// The report name that goes with an ORT file name: the name up to its first
// "." followed by ".txt".
QString Report_Name_For(const QString& ort_file_name);

} // namespace main_window
