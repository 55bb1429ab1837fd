#include "editor/user_partition/user_v8_load_steps.h"

#include "editor/core/conversion_report.h"
#include "editor/core/text_helpers.h"
#include "editor/pages_tables/page_cockpit_numbers.h"
#include "editor/user_partition/user_record_v8.h"
#include "editor/user_partition/user_v8_lists.h"

#include <QComboBox>
#include <QListWidget>
#include <QTabWidget>

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

void Load_Directory(Page_Cockpit_Numbers& page, core::Record& record, int airframer_level,
                    Directory_Reader read_lines)
{
    QTabWidget* tabs = page.Control_05_Tab;
    if (airframer_level == 0) {
        for (int k = 0; k < V8_CATEGORIES; ++k) {
            tabs->setCurrentIndex(k);
            tabs->setTabText(k, core::Strip_At_Null(record.Get_Text(V8_Category_Name, k)));
        }
    }
    for (int k = 0; k < V8_CATEGORIES; ++k) {
        const QString caption = tabs->tabText(k);
        Replace_Lines(page.Control_05[static_cast<std::size_t>(k)],
                      read_lines(record, k, caption));
    }
    tabs->setCurrentIndex(0);
}

} // namespace User_Mod
