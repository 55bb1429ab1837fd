#include "editor/user_partition/user_defaults.h"

#include "editor/core/ort_types.h"
#include "editor/pages/page_frame.h"
#include "editor/pages_tables/page_sat_ges.h"
#include "editor/pages_tables/sat_ges_lists.h"

#include <QListWidget>
#include <QPushButton>

namespace User_Mod {

namespace {

Default_Sat_GES_Lines& Table()
{
    static Default_Sat_GES_Lines table;
    return table;
}

constexpr const char* SAT_LINES[] = {
    "00   AOR-W      1", "01   AOR-E      1", "02   POR        1", "03   IOR        1",
    "04   MTSAT      1", "05   APAC       1", "06   EMEA       1", "07   AMER       1",
};

constexpr const char* GES_LINES[] = {
    "00   002   1   EIK-AW",        "00   005   1   AUSSAGUEL-AW", "01   103   1   AUSSAGUEL-AE",
    "01   104   1   EIK-AE",        "02   202   1   SANTA PAULA-P", "02   205   1   PERTH-P",
    "03   301   1   EIK-I",         "03   305   1   PERTH-I",      "04   161   1   KOBE-M",
    "05   120   1   PAUMALU-AP",    "06   220   1   FUCINO-EM",    "07   320   1   PAUMALU-AM",
};

constexpr int SAT_KEY_LENGTH = 2;   // satellite id
constexpr int GES_KEY_LENGTH = 8;   // satellite id, three blanks, GES id
constexpr int SHORT_SAT_LINE = 10;  // satellite id and name only
constexpr int FULL_SAT_LEVEL = 4;   // from this Feature_Level on the whole line

bool Has_Key(const QStringList& lines, const QString& line, int key_length)
{
    const QString key = line.left(key_length);
    for (const QString& existing : lines) {
        if (existing.left(key_length) == key)
            return true;
    }
    return false;
}

} // namespace

const Default_Sat_GES_Lines& Default_Sat_GES()
{
    return Table();
}

void Load_Default_Sat_GES()
{
    Default_Sat_GES_Lines& table = Table();
    table.Sat_Lines.clear();
    table.GES_Lines.clear();
    for (const char* line : SAT_LINES)
        table.Sat_Lines.append(QString::fromLatin1(line));
    for (const char* line : GES_LINES)
        table.GES_Lines.append(QString::fromLatin1(line));
}

void Set_Default_Tables()
{
    Load_Default_Sat_GES();
}

int Merge_Default_Lines(QStringList& sat_lines, QStringList& ges_lines, int feature_level)
{
    if (Default_Sat_GES().Sat_Lines.isEmpty())
        Load_Default_Sat_GES();
    int added = 0;
    for (const QString& line : Default_Sat_GES().Sat_Lines) {
        if (Has_Key(sat_lines, line, SAT_KEY_LENGTH))
            continue;
        sat_lines.append(feature_level < FULL_SAT_LEVEL ? line.left(SHORT_SAT_LINE) : line);
        ++added;
    }
    for (const QString& line : Default_Sat_GES().GES_Lines) {
        if (Has_Key(ges_lines, line, GES_KEY_LENGTH))
            continue;
        ges_lines.append(line);
        ++added;
    }
    return added;
}

void Merge_Default_Sat_GES(Page_Sat_GES& page)
{
    QStringList sat_lines = sat_ges::List_Lines(page.Control_03);
    QStringList ges_lines = sat_ges::List_Lines(page.Control_02);
    const int sat_before = static_cast<int>(sat_lines.size());
    const int ges_before = static_cast<int>(ges_lines.size());
    Merge_Default_Lines(sat_lines, ges_lines, core::Versions().User_Current.Feature_Level);
    // A full table takes no more lines: the record holds no more entries.
    const auto add = [](QListWidget* table, const QStringList& lines, int from, int limit) {
        for (int i = from; i < lines.size() && table->count() < limit; ++i)
            table->addItem(lines[i]);
    };
    add(page.Control_03, sat_lines, sat_before, Page_Sat_GES::SAT_TABLE_MAX);
    add(page.Control_02, ges_lines, ges_before, Page_Sat_GES::GES_TABLE_MAX);

    Set_Tag(page.cmdSatTableSort[0], QStringLiteral("1"));
    page.cmdSatTableSort_Click(0);
    Set_Tag(page.Control_02_Sort_Sat, QStringLiteral("1"));
    page.Control_02_Sort_Sat_Click();
}

} // namespace User_Mod
