// The user items table walked for every generation that saves: each list
// choice at both ends of its list, each text at its full width and each
// number at both ends of its range load and save unchanged; a list index
// just past the list loads with its "***" line (or refuses the load when the
// item has no report line), a checked number just past its range loads as
// its default with its "***" line, and a character outside a text's set does
// not reach its box.

#include "editor/core/char_sets.h"
#include "editor/core/item_facts.h"
#include "editor/core/text_helpers.h"
#include "editor/user_partition/user_items.h"
#include "editor/user_partition/user_record_v11.h"
#include "editor/user_partition/user_v8_io.h"
#include "user_v14_fixture.h"

#include <QComboBox>
#include <QLineEdit>

using namespace User_Mod;

namespace {

struct Generation_Case {
    Generation Which;
    core::Record& (*Record)();
    void (*Load)(Page_Set&);
    void (*Save)(Page_Set&);
    void (*Set_Versions)();
};

const Generation_Case CASES[] = {
    {Generation::V8, User_Record_V8, Update_GUI_V8, Update_Data_V8,
     [] {
         usertest::Set_User_Current(8, 2, 3, 0);
         usertest::Set_User_Loaded(8, 2);
     }},
    {Generation::V11, User_Record_V11, Update_GUI_V11, Update_Data_V11,
     [] {
         usertest::Set_User_Current(11, 1, 1, 0);
         usertest::Set_User_Loaded(11, 1);
     }},
    {Generation::V14, User_Record_V14, Update_GUI_V14, Update_Data_V14,
     [] {
         v14test::Set_Current(1);
         v14test::Set_Loaded(14, 1);
     }},
};

QString Stored_Text(const core::Record& record, const Item_Place& place)
{
    return core::Strip_At_Null(record.Get_Text(place.Field, place.Element)).trimmed();
}

// A text of the set's characters as long as the field and the box keep.
QString Full_Text(const User_Item_Row& row, const Item_Place& place, const core::Record& record, Page_Set& pages)
{
    const core::Char_Set& set = core::Char_Sets(row.Char_Set);
    int length = record.Field(place.Field).width - 1;
    const int max = row.Text(pages)->maxLength();
    length = std::min(length, max);
    QString text;
    for (int i = 0; i < length; ++i)
        text += set.Allowed.at(1 + i % (set.Allowed.size() - 1));
    return text;
}

QChar Outside(const core::Char_Set& set)
{
    for (char c = '!'; c < '~'; ++c)
        if (!set.Admits(QLatin1Char(c)) && !(set.To_Upper && QChar(QLatin1Char(c)).isLower()))
            return QLatin1Char(c);
    return QLatin1Char('\x7f');
}

core::Stored_Range Range_Of(const User_Item_Row& row)
{
    return core::Stored(core::Fact(row.Fact, row.Fact_Element));
}

class UserItemsTest : public v14test::V14Test {};

} // namespace

TEST_F(UserItemsTest, EveryRowOfEveryGenerationAtAndPastItsEdges)
{
    for (const Generation_Case& gen : CASES) {
        SCOPED_TRACE(static_cast<int>(gen.Which));
        gen.Set_Versions();
        pages = Make_Pages();
        gen.Save(*pages);
        const core::Record clean = gen.Record();

        // Inside: every list at its lowest, then at its highest index, every
        // text at its full width.
        for (const bool highest : {false, true}) {
            gen.Record() = clean;
            core::Record& record = gen.Record();
            for (const User_Item_Row& row : User_Items()) {
                const Item_Place& place = row.At(gen.Which);
                if (!place.Held())
                    continue;
                if (row.List) {
                    const int index = highest ? row.List(*pages)->count() - 1 : 0;
                    record.Set(place.Field, Encode_Item_Index(place.Coding, index), place.Element);
                } else if (row.Number) {
                    const core::Stored_Range range = Range_Of(row);
                    record.Set(place.Field, highest ? range.Maximum : range.Minimum, place.Element);
                } else {
                    record.Set_Text(place.Field, Full_Text(row, place, record, *pages), place.Element);
                }
            }
            const core::Record stored = record;
            auto loaded = Make_Pages();
            gen.Load(*loaded);
            gen.Save(*loaded);
            for (const User_Item_Row& row : User_Items()) {
                const Item_Place& place = row.At(gen.Which);
                if (!place.Held())
                    continue;
                SCOPED_TRACE(QString::fromLatin1(record.Field(place.Field).name).toStdString());
                if (row.List) {
                    const std::int64_t value = stored.Get(place.Field, place.Element);
                    EXPECT_EQ(row.List(*loaded)->currentIndex(), Decode_Item_Index(place.Coding, value));
                    EXPECT_EQ(gen.Record().Get(place.Field, place.Element), value);
                } else if (row.Number) {
                    const std::int64_t value = stored.Get(place.Field, place.Element);
                    if (row.Shown != Item_Number::Tenths && row.Shown != Item_Number::Halves_Spin) {
                        EXPECT_EQ(row.Number(*loaded)->text(), QString::number(value));
                    }
                    EXPECT_EQ(gen.Record().Get(place.Field, place.Element), value);
                } else {
                    EXPECT_EQ(row.Text(*loaded)->text(), Stored_Text(stored, place));
                    EXPECT_EQ(Stored_Text(gen.Record(), place), Stored_Text(stored, place));
                }
            }
        }

        // Outside, one row at a time.
        for (const User_Item_Row& row : User_Items()) {
            const Item_Place& place = row.At(gen.Which);
            // A plain number shows every number its field holds.
            const bool plain = row.Shown == Item_Number::Plain || row.Shown == Item_Number::Plain_Spin;
            if (!place.Held() || (row.Number && plain))
                continue;
            gen.Record() = clean;
            core::Record& record = gen.Record();
            SCOPED_TRACE(QString::fromLatin1(record.Field(place.Field).name).toStdString());
            auto loaded = Make_Pages();
            if (row.List) {
                const int past = row.List(*loaded)->count();
                record.Set(place.Field, Encode_Item_Index(place.Coding, past), place.Element);
            } else if (row.Number) {
                record.Set(place.Field, Range_Of(row).Maximum + 1, place.Element);
            } else {
                record.Set_Text(place.Field, QString(Outside(core::Char_Sets(row.Char_Set))), place.Element);
            }
            // A numbered index reports its element number, not the index.
            if (!row.Report_Label || place.Coding == Item_Coding::Numbered_Index) {
                EXPECT_THROW(gen.Load(*loaded), core::Record_Error);
                continue;
            }
            if (row.Text) {
                // A character outside the set does not reach the box.
                gen.Load(*loaded);
                EXPECT_FALSE(row.Text(*loaded)->text().contains(Outside(core::Char_Sets(row.Char_Set))));
                continue;
            }
            Open_Report();
            gen.Load(*loaded);
            if (row.Number) {
                const core::Item_Fact& fact = core::Fact(row.Fact, row.Fact_Element);
                const std::int32_t fallback = Range_Of(row).Default;
                const bool stepped = row.Shown == Item_Number::Tenths || row.Shown == Item_Number::Halves_Spin;
                EXPECT_EQ(row.Number(*loaded)->text(), stepped
                                                           ? core::Value_Text(fact, fallback * fact.Step)
                                                           : QString::number(fallback));
            }
            const QStringList entries = Report_Entries();
            const QString label = QString::fromLatin1(row.Report_Label);
            const bool reported = std::any_of(entries.begin(), entries.end(), [&](const QString& line) {
                return line.contains(QStringLiteral("***")) && line.contains(label);
            });
            EXPECT_TRUE(reported) << entries.join(QLatin1Char('\n')).toStdString();
        }
    }
}
