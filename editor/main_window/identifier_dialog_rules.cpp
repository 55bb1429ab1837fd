#include "editor/main_window/identifier_dialog_rules.h"

#include "editor/core/char_sets.h"

#include <QStringList>

namespace main_window {

namespace {

Identifier_Outcome Refuse(const char* text, const char* title)
{
    Identifier_Outcome outcome;
    outcome.Refusal_Text = QString::fromLatin1(text);
    outcome.Refusal_Title = QString::fromLatin1(title);
    return outcome;
}

Identifier_Outcome Accept(const QString& result)
{
    Identifier_Outcome outcome;
    outcome.Accepted = true;
    outcome.Result = result;
    return outcome;
}

const QChar TAB = QLatin1Char('\t');

} // namespace

Identifier_Outcome Check_B777_Identifier(const QString& disk_pn, const QString& data_pn,
                                         const QString& manuf_id, const QString& product_id)
{
    if (manuf_id.size() != B777_MANUF_ID_LENGTH)
        return Refuse("Must be 3 alphanumeric characters", "Invalid Manufacturer Identifier");
    if (product_id.size() != B777_PRODUCT_ID_LENGTH)
        return Refuse("Must be 5 alphanumeric characters", "Invalid Product Identifier");
    return Accept(core::Upper_Text(disk_pn + TAB + data_pn + TAB + manuf_id + TAB + product_id));
}

Identifier_Outcome Check_File_Identifier(const QString& file_id)
{
    if (file_id.isEmpty())
        return Refuse("Must be a valid file name", "Invalid File Identifier");
    return Accept(file_id + QStringLiteral(".cfg"));
}

std::optional<B777_Identifier> Split_B777_Identifier(const QString& identifier)
{
    const QStringList parts = identifier.split(TAB);
    if (parts.size() != 4)
        return std::nullopt;
    return B777_Identifier{parts[0], parts[1], parts[2], parts[3]};
}

QString Report_Name_For(const QString& ort_file_name)
{
    const qsizetype dot = ort_file_name.indexOf(QLatin1Char('.'));
    return (dot < 0 ? ort_file_name : ort_file_name.left(dot)) + QStringLiteral(".txt");
}

} // namespace main_window
