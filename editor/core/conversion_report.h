#pragma once
// The conversion report: the text file "TempConvertReport.txt" in the
// start-up folder into which an open or a conversion writes every item it
// changed while moving a loaded ORT into the target configuration.
//
// The report is open only while a conversion runs: Convert_ORT creates a
// Conversion_Report object (which creates or empties the file and writes the
// nine header lines) and the object closes the file when it goes out of
// scope, on every path, exceptions included. The report-line writers print
// into the open report; called while no report is open they print nothing
// but still check the value and set the control, so the record loaders may
// run outside a conversion.
//
// Lines end in CR LF and hold one byte per character.

#include "editor/core/char_sets.h"

#include <QDate>
#include <QFile>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <stdexcept>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace core {

// --- paths ------------------------------------------------------------------

inline constexpr const char* REPORT_FILE_NAME = "TempConvertReport.txt";

// Working_Folder := the current directory (with "/" separators, always
// ending in "/"); Convert_Report_Path := Working_Folder + the report's file
// name. Called once at start-up, before the current directory changes.
void Init_Report_Path();

// Empty until Init_Report_Path has run.
const QString& Working_Folder();
const QString& Convert_Report_Path();

// --- the report file --------------------------------------------------------

// Failure to create or write the report file.
class Conversion_Report_Error : public std::runtime_error {
public:
    explicit Conversion_Report_Error(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message)
    {
    }
    const QString& Message() const { return message_; }

private:
    QString message_;
};

// The open report. Constructing it creates (or empties) the file and writes
// the header with the given date (today when none); the destructor closes the
// file. Only one report is open at a time: opening a second one while the
// first is open throws std::logic_error. Opening or writing failures throw
// Conversion_Report_Error.
class Conversion_Report {
public:
    // At Convert_Report_Path(); throws Conversion_Report_Error when
    // Init_Report_Path has not run.
    Conversion_Report();
    explicit Conversion_Report(const QString& path, std::optional<QDate> date = std::nullopt);
    ~Conversion_Report();

    Conversion_Report(const Conversion_Report&) = delete;
    Conversion_Report& operator=(const Conversion_Report&) = delete;

    // Writes the text followed by CR LF (a CR LF inside the text stays as it
    // is). Each character becomes one byte; characters outside Latin-1 become
    // "?".
    void Print(const QString& text);

    // Flushes and closes the file now, reporting a failure; afterwards the
    // report is no longer open and the destructor has nothing left to do.
    void Close();

    const QString& Path() const { return path_; }

    // The report that is open now, or nullptr.
    static Conversion_Report* Current();

private:
    void Open(std::optional<QDate> date);

    QString path_;
    QFile file_;
};

// The nine header lines, without line ends, for the given date.
QStringList Report_Header_Lines(const QString& date_stamp);

// --- list controls ----------------------------------------------------------

// What the list writer needs of a combo box or a list box: the item count,
// the selected index (read and written) and the text of an item by index.
// Converts implicitly from either control pointer (which must not be null).
class List_Control {
public:
    List_Control(QComboBox* combo);
    List_Control(QListWidget* list);

    int Count() const;
    int Index() const; // -1 when nothing is selected
    // -1 clears the selection; an index below -1 or not below Count()
    // throws std::out_of_range and leaves the selection as it was.
    void Set_Index(int index) const;
    // The item's text; empty for an index outside the list.
    QString Item_Text(int index) const;

private:
    QComboBox* combo_ = nullptr;
    QListWidget* list_ = nullptr;
};

// --- report-line writers ----------------------------------------------------

// A list item whose control already shows the default selection. An index
// outside the list is replaced by the forced index when one is given, else by
// the control's selection ("***" line naming the new entry); otherwise a
// forced index that differs from the stored one replaces it ("###" line), or,
// without one, a stored index that differs from the selection gives a plain
// "Default:" entry. Finally the control's selection is set to value (a forced
// index outside the list throws std::out_of_range).
void Report_List_Change(List_Control control, int& value, const QString& label,
                        std::optional<int> forced = std::nullopt);

// A number: outside [minimum, maximum] it becomes the default ("***" line);
// a forced number that differs from the stored one gives a "###" line and
// becomes the result. Radix 1 prints octal, 2 hexadecimal, any other decimal.
// Returns the result, which is also written into value.
std::int32_t Report_Number_Change(std::int32_t& value, const QString& label, std::int32_t minimum,
                                  std::int32_t maximum, std::int32_t default_value, int radix,
                                  std::optional<std::int32_t> forced = std::nullopt);

// A text box item. text is cut at its first character outside printable
// ASCII, trimmed and (when the set says so) upper-cased in place; the text
// cleaned by the set, trimmed and cut to the box's maximum length goes into
// the control, and the control's text is returned. A text changed so (a
// character outside the set, a text longer than the box) gives one "***"
// line; a forced text always becomes the result and gives a "###" line when
// it differs from the stored text; without one a stored text that differs
// from a non-empty control text gives a plain "Default:" entry. A stored
// text equal to the control's text but for its outer blanks leaves the
// control as it is.
QString Report_Text_Change(QLineEdit* control, QString& text, const QString& label,
                           const Char_Set& char_set,
                           std::optional<QString> forced = std::nullopt);
QString Report_Text_Change(QLineEdit* control, QString& text, const QString& label, int char_set,
                           std::optional<QString> forced = std::nullopt);

// A text without a control of its own (a field of a list line): as
// Report_Text_Change without a "Default:" entry; returns the final text.
QString Report_Value_Change(QString& text, const QString& label, const Char_Set& char_set,
                            std::optional<QString> forced = std::nullopt);
QString Report_Value_Change(QString& text, const QString& label, int char_set,
                            std::optional<QString> forced = std::nullopt);

// A checked text that its control or list line keeps only as `kept` (a
// field shorter than the stored text, a column that holds no blank): a
// "***" line when the two differ. Returns kept.
QString Report_Text_Kept(const QString& text, const QString& kept, const QString& label);

// text := text trimmed of blanks at both ends, upper-cased when the set says
// so. Returns its printable-ASCII characters, each one outside the set made
// a blank when the set's characters begin with a blank and dropped otherwise.
QString Clean_Text(QString& text, const Char_Set& char_set);

} // namespace core
