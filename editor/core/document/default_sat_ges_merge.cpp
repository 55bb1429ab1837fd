#include "editor/core/document/default_sat_ges_merge.h"

#include "editor/core/ort_types.h"
#include "editor/page_set/page_set.h"
#include "editor/pages/page_frame.h"
#include "editor/pages_tables/cockpit_limit.h"
#include "editor/pages_tables/page_sat_ges.h"
#include "editor/pages_tables/sat_ges_lists.h"
#include "editor/user_partition/user_defaults.h"

#include <QListWidget>
#include <QPushButton>
#include <algorithm>

namespace Composite_Mod {

namespace {

// The lines the merge appended beyond `before`, as many as the table has
// room for.
void Add_New_Lines(QListWidget* table, const QStringList& merged, qsizetype before, int size)
{
    const qsizetype end = std::min<qsizetype>(merged.size(), size);
    for (qsizetype i = before; i < end; ++i)
        table->addItem(merged[i]);
}

} // namespace

void Merge_Default_Sat_GES(Page_Sat_GES& page)
{
    QStringList sat_lines = sat_ges::List_Lines(page.Control_03);
    QStringList ges_lines = sat_ges::List_Lines(page.Control_02);
    const qsizetype sat_before = sat_lines.size();
    const qsizetype ges_before = ges_lines.size();
    User_Mod::Merge_Default_Lines(sat_lines, ges_lines,
                                  core::Versions().User_Current.Feature_Level);
    Add_New_Lines(page.Control_03, sat_lines, sat_before, SAT_TABLE_SIZE);
    Add_New_Lines(page.Control_02, ges_lines, ges_before, GES_TABLE_SIZE);

    Set_Tag(page.cmdSatTableSort[0], QStringLiteral("1"));
    page.cmdSatTableSort_Click(0);
    Set_Tag(page.Control_02_Sort_Sat, QStringLiteral("1"));
    page.Control_02_Sort_Sat_Click();
}

void Merge_Default_Sat_GES(Page_Set& pages)
{
    Merge_Default_Sat_GES(pages.Sat_GES());
}

int Max_Cockpit_Numbers()
{
    return tables::Max_Cockpit_Numbers();
}

} // namespace Composite_Mod
