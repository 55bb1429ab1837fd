#pragma once
// The plain-text ORT report: a header block that identifies the ORT, then
// one titled section per page in a fixed order. Lines end in CR LF.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <span>

class Page_Frame;
class Page_Set;

namespace main_window {

// What the report header shows.
struct Report_Header {
    QString Date; // DD-MMM-YY
    QString ORT_Path;
    bool Show_Secured = false;
    bool Show_User = false;
    int Secured_Feature_Level = 0;
    // "<frame caption> <label caption>: <field text>" lines of both partitions.
    QString Secured_Frame, Secured_PN_Label, Secured_PN, Secured_Desc_Label, Secured_Desc;
    QString User_Frame, User_PN_Label, User_PN, User_Desc_Label, User_Desc;
    std::int32_t ORT_Type = 0;
    std::int32_t Partition_Config = 0;
    int Secured_Revision = 0;
    int User_Revision = 0;
    QString Data_Loader_Type;
    QString Software_Config;
    std::uint16_t Last_Saved_CRC = 0;
};

// The header lines, ending with the "ORT OPTIONS:" title block.
QStringList Report_Header_Lines(const Report_Header& header);

// A section title block: an empty line, 40 "=", "==== " + title, 40 "=".
QStringList Report_Title(const QString& title);

// When a section is written.
enum class Section_When { Always, Secured_Shown, User_Shown };

// One section: a page (its window caption is the title), or the PSID table
// (title the caption of the General page's Frame_PsidSupFreq).
struct Report_Section {
    enum class Kind { Page, PSID_Table } What;
    Page_Frame& (*Page)(const Page_Set&); // null for the PSID table
    Section_When When;
};

// The sections in report order.
std::span<const Report_Section> Report_Sections();

// Every section's title block and lines for the partitions shown.
QStringList Report_Section_Lines(const Page_Set& pages, bool show_secured, bool show_user);

// The report text: every line followed by CR LF.
QByteArray Report_Bytes(const QStringList& lines);

} // namespace main_window
