#include "editor/user_partition/user_v8_load_steps.h"

#include "editor/core/conversion_report.h"
#include "editor/user_partition/user_record_v8.h"

#include <QComboBox>
#include <QListWidget>

namespace User_Mod {

void Set_Stored_Index(QComboBox* combo, std::int64_t value, const char* field)
{
    // -1 is no selection, which the save writes for a combo box without one.
    if (value < -1 || value >= combo->count())
        throw core::Record_Error(QStringLiteral("%1: stored list index %2 is outside the list")
                                     .arg(QLatin1String(field))
                                     .arg(value));
    combo->setCurrentIndex(static_cast<int>(value));
}

void Load_Checked_Index(QComboBox* combo, std::int64_t value, const QString& label)
{
    if (value >= -1 && value < combo->count()) {
        combo->setCurrentIndex(static_cast<int>(value));
        return;
    }
    int kept = -1;
    core::Report_List_Change(combo, kept, label);
}

void Report_Stored_Index(QComboBox* combo, const core::Record& record, int id, int index,
                         const QString& label, std::optional<int> forced)
{
    const std::int64_t stored = record.Get(id, index);
    // A value beyond the int range is out of the list like any other.
    int value = stored < -1 || stored > combo->count() ? combo->count() : static_cast<int>(stored);
    core::Report_List_Change(combo, value, label, forced);
}

void Replace_Lines(QListWidget* list, const QStringList& lines)
{
    list->clear();
    list->addItems(lines);
}

} // namespace User_Mod
