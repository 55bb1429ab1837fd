#include "editor/core/conversion_report.h"

#include "editor/core/text_helpers.h"
#include "editor/core/value_helpers.h"

#include <QLineEdit>

#include <array>

namespace core {

namespace {

// The shapes of the report entries. A shape with a second line prints
// "    " + blanks as wide as the prefix + second + the new value under the
// first line.
enum class Shape {
    List_Out_Of_Range, // one line: the list entry that replaced the stored index
    Out_Of_Range,      // numbers and texts replaced because out of range
    List_Forced,
    Box_Forced,        // numbers and text boxes
    Value_Forced,      // texts without a control
    Default,           // a valid stored value that differs from the default
};

struct Shape_Row {
    Shape shape;
    const char* marker;
    const char* first;
    const char* second; // nullptr: one line only
};

constexpr std::array<Shape_Row, 6> SHAPES{{
    {Shape::List_Out_Of_Range, "*** ", "Value out of range, changed to: ", nullptr},
    {Shape::Out_Of_Range, "*** ", "Value out of range, was: ", "             Changed to: "},
    {Shape::List_Forced, "### ", "Value was:  ", "Changed to: "},
    {Shape::Box_Forced, "### ", "Value was:   ", "Changed to: "},
    {Shape::Value_Forced, "### ", "  Value was: ", "Changed to: "},
    {Shape::Default, "    ", "Default:    ", "Changed to: "},
}};

const Shape_Row& Row(Shape shape)
{
    for (const Shape_Row& row : SHAPES)
        if (row.shape == shape)
            return row;
    throw std::logic_error("Unknown report shape");
}

// Prints one entry into the open report; nothing when no report is open.
void Report(Shape shape, const QString& label, const QString& old_value,
            const QString& new_value = QString())
{
    Conversion_Report* const report = Conversion_Report::Current();
    if (report == nullptr)
        return;
    const Shape_Row& row = Row(shape);
    const QString prefix = QStringLiteral("Item ") + label + QStringLiteral(" - ");
    QString text = QLatin1String(row.marker) + prefix + QLatin1String(row.first) + old_value;
    if (row.second != nullptr)
        text += QStringLiteral("\r\n    ") + QString(prefix.size(), u' ') +
                QLatin1String(row.second) + new_value;
    report->Print(text);
}

} // namespace

void Report_List_Change(List_Control control, int& value, const QString& label,
                        std::optional<int> forced)
{
    if (value < 0 || value >= control.Count()) {
        // A forced index holds even when the stored one is out of range.
        value = forced ? *forced : control.Index();
        Report(Shape::List_Out_Of_Range, label, control.Item_Text(value));
    } else if (!forced) {
        const int current = control.Index();
        if (current != value)
            Report(Shape::Default, label, control.Item_Text(current), control.Item_Text(value));
    } else {
        if (value != *forced)
            Report(Shape::List_Forced, label, control.Item_Text(value), control.Item_Text(*forced));
        value = *forced;
    }
    control.Set_Index(value);
}

std::int32_t Report_Number_Change(std::int32_t& value, const QString& label, std::int32_t minimum,
                                  std::int32_t maximum, std::int32_t default_value, int radix,
                                  std::optional<std::int32_t> forced)
{
    const std::int32_t stored = value;
    const std::int32_t in_range = (stored >= minimum && stored <= maximum) ? stored : default_value;
    if (stored != in_range)
        Report(Shape::Out_Of_Range, label, Format_Radix(stored, radix),
               Format_Radix(in_range, radix));

    std::int32_t result = in_range;
    if (forced) {
        if (stored != *forced)
            Report(Shape::Box_Forced, label, Format_Radix(stored, radix),
                   Format_Radix(*forced, radix));
        result = *forced;
    }
    value = result;
    return result;
}

QString Report_Text_Change(QLineEdit* control, QString& text, const QString& label,
                           const Char_Set& char_set, std::optional<QString> forced)
{
    if (control == nullptr)
        throw std::invalid_argument("Report_Text_Change: no text box");
    text = Trim_Blanks(Strip_At_Null(text));
    // What the box keeps, and so what a save writes and a reopening reads
    // back: no blanks at either end (a refused character made one there) and
    // no more characters than the box takes. A change is one "***" line.
    QString kept = Clean_Text(text, char_set);
    kept = Trim_Blanks(Trim_Blanks(kept).left(control->maxLength()));
    const QString shown = control->text();
    // A stored text that is the box's text but for its outer blanks (a
    // default such as the factory description ends in a blank) is that
    // text: the box keeps it, so the next save writes the same bytes.
    const bool as_shown = Trim_Blanks(shown) == kept;

    if (kept != text)
        Report(Shape::Out_Of_Range, label, text, kept);
    else if (!forced) {
        if (!as_shown && !Trim_Blanks(shown).isEmpty())
            Report(Shape::Default, label, shown, kept);
    }
    // A forced text holds even when the stored one was out of range.
    if (forced) {
        if (*forced != text)
            Report(Shape::Box_Forced, label, text, *forced);
        control->setText(*forced);
    } else if (!as_shown) {
        control->setText(kept);
    }
    return control->text();
}

QString Report_Text_Change(QLineEdit* control, QString& text, const QString& label, int char_set,
                           std::optional<QString> forced)
{
    return Report_Text_Change(control, text, label, Char_Sets(char_set), std::move(forced));
}

QString Report_Value_Change(QString& text, const QString& label, const Char_Set& char_set,
                            std::optional<QString> forced)
{
    text = Strip_At_Null(text);
    QString cleaned = Clean_Text(text, char_set);

    if (cleaned != text)
        Report(Shape::Out_Of_Range, label, text, cleaned);
    // A forced text holds even when the stored one was out of range.
    if (forced) {
        if (*forced != text)
            Report(Shape::Value_Forced, label, text, *forced);
        cleaned = *forced;
    }
    return cleaned;
}

QString Report_Value_Change(QString& text, const QString& label, int char_set,
                            std::optional<QString> forced)
{
    return Report_Value_Change(text, label, Char_Sets(char_set), std::move(forced));
}

QString Report_Text_Kept(const QString& text, const QString& kept, const QString& label)
{
    if (kept != text)
        Report(Shape::Out_Of_Range, label, text, kept);
    return kept;
}

QString Clean_Text(QString& text, const Char_Set& char_set)
{
    text = Trim_Blanks(text);
    if (char_set.To_Upper)
        text = Upper_Text(text);

    const bool blank_for_refused = char_set.Allowed.startsWith(u' ');
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() < 32 || c.unicode() > 126)
            continue;
        if (char_set.Admits(c))
            result += c;
        else if (blank_for_refused)
            result += u' ';
    }
    return result;
}

} // namespace core
