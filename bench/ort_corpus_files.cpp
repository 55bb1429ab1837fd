#include "bench/ort_corpus_files.h"

#include "editor/core/crc_utils.h"
#include "editor/core/ort_file_header.h"
#include "editor/core/ort_types.h"
#include "editor/core/record_layout.h"
#include "editor/core/secured_record.h"
#include "platform/big_endian.h"

#include <algorithm>
#include <array>
#include <random>
#include <span>
#include <vector>

namespace ort_corpus {

namespace {

constexpr std::uint32_t SEED = 0x0C0A9A5u;
const QString SAVE_DATE = QStringLiteral("01-JAN-24");

// A repeated area of a user record: `entries` entries of `size` bytes.
struct Table_Area {
    int Offset;
    int Size;
    int Entries;
};

// The tables of each generation's user record (offsets from its start):
// GES, satellites, cockpit directory, categories, cabin numbers, and where
// the generation has them the LES lists (MPDS, M-ISDN), PSID table,
// satellite preferences, item 92, service areas and the spare run (cut
// into entries only to draw fewer mutants there).
constexpr std::array TABLES_5 = {Table_Area{30, 18, 128}, Table_Area{2338, 7, 16},
                                 Table_Area{2458, 38, 100}, Table_Area{6258, 11, 4},
                                 Table_Area{6320, 19, 40}};
constexpr std::array TABLES_8 = {
    Table_Area{30, 18, 128},    Table_Area{2338, 7, 16},   Table_Area{2458, 38, 400},
    Table_Area{17658, 11, 4},   Table_Area{17720, 19, 40}, Table_Area{18662, 4, 84},
    Table_Area{19002, 4, 24},   Table_Area{19102, 7, 10},  Table_Area{19173, 2, 73}};
constexpr std::array TABLES_11 = {
    Table_Area{30, 18, 128},  Table_Area{2338, 7, 16},  Table_Area{2458, 38, 100},
    Table_Area{6258, 11, 4},  Table_Area{6320, 19, 40}, Table_Area{7170, 7, 10},
    Table_Area{7241, 3, 10}};
constexpr std::array TABLES_14 = {
    Table_Area{30, 18, 128},    Table_Area{2338, 7, 16},   Table_Area{2458, 38, 400},
    Table_Area{17658, 11, 4},   Table_Area{17720, 19, 40}, Table_Area{18686, 4, 84},
    Table_Area{19026, 4, 24},   Table_Area{19126, 7, 10},  Table_Area{19470, 2, 16},
    Table_Area{19506, 5, 3},    Table_Area{19525, 4, 16},  Table_Area{19643, 14, 123}};

// One user generation to mutate: its two files and its tables.
struct Generation {
    int Version;
    QByteArray User_File;
    QByteArray Composite_File;
    std::span<const Table_Area> Tables;
};

// Where a record offset lies: in which table and entry, if in any.
struct Place {
    const Table_Area* Table = nullptr;
    int Entry = 0;
};

Place Place_Of(std::span<const Table_Area> tables, int offset)
{
    for (const Table_Area& table : tables)
        if (offset >= table.Offset && offset < table.Offset + table.Size * table.Entries)
            return {&table, (offset - table.Offset) / table.Size};
    return {};
}

// Every value is tried outside the tables and in the first two and the last
// entry of each table; every other entry gets one mutant at a drawn byte.
bool Tried_Fully(const Place& place)
{
    return !place.Table || place.Entry <= 1 || place.Entry == place.Table->Entries - 1;
}

QString Hex(int value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

// The byte values tried at a byte whose value is `original`.
std::vector<int> Byte_Values(int original)
{
    std::vector<int> values;
    for (const int value : {0x00, 0xFF, 0x7F, 0x80, (original + 1) & 0xFF, (original - 1) & 0xFF})
        if (value != original && std::find(values.begin(), values.end(), value) == values.end())
            values.push_back(value);
    return values;
}

class Mutator {
public:
    Mutator(const Generation& generation, int target_count)
        : generation_(generation), target_count_(target_count),
          rng_(SEED + static_cast<std::uint32_t>(generation.Version))
    {
    }

    QList<Corpus_File> Run()
    {
        const int length = User_Record_Length();
        for (int offset = 0; offset < length; ++offset) {
            const QByteArray& file = Pick_File();
            const Place place = Place_Of(generation_.Tables, offset);
            if (!Tried_Fully(place)) {
                const int entry_start = place.Table->Offset + place.Table->Size * place.Entry;
                if (offset == entry_start) {
                    const int at = entry_start + static_cast<int>(rng_() % place.Table->Size);
                    const std::vector<int> values = Byte_Values(Byte_At(file, at));
                    Add_Byte(file, at, values[rng_() % values.size()]);
                }
                continue;
            }
            for (const int value : Byte_Values(Byte_At(file, offset)))
                Add_Byte(file, offset, value);
            if (offset % 2 == 0 && offset + 1 < length)
                for (const int value : {0x7FFF, 0x8000, 0xFFFF})
                    if (value != platform::Get_U16(file, Record_Start(file) + offset))
                        Add_Word(file, offset, value);
        }
        return std::move(files_);
    }

private:
    int User_Record_Length() const { return core::User_Record_Size(generation_.Version) + 1; }
    qsizetype Record_Start(const QByteArray& file) const
    {
        return file.size() - core::ORT_CRC_LENGTH - User_Record_Length();
    }
    int Byte_At(const QByteArray& file, int offset) const
    {
        return static_cast<std::uint8_t>(file.at(Record_Start(file) + offset));
    }
    const QByteArray& Pick_File()
    {
        return rng_() % 2 ? generation_.Composite_File : generation_.User_File;
    }
    QString Name(const QByteArray& file, int offset) const
    {
        return QStringLiteral("g%1-%2-o%3")
            .arg(generation_.Version, 2, 10, QLatin1Char('0'))
            .arg(QLatin1Char(&file == &generation_.User_File ? 'u' : 'c'))
            .arg(offset, 5, 10, QLatin1Char('0'));
    }
    void Add_Byte(const QByteArray& file, int offset, int value)
    {
        files_.append({Name(file, offset) + QStringLiteral("-b") + Hex(value, 2), file,
                       static_cast<int>(rng_() % target_count_), Record_Start(file) + offset,
                       QByteArray(1, static_cast<char>(value))});
    }
    void Add_Word(const QByteArray& file, int offset, int value)
    {
        files_.append({Name(file, offset) + QStringLiteral("-w") + Hex(value, 4), file,
                       static_cast<int>(rng_() % target_count_), Record_Start(file) + offset,
                       platform::U16_Bytes(static_cast<std::uint16_t>(value))});
    }

    const Generation& generation_;
    int target_count_;
    std::mt19937 rng_;
    QList<Corpus_File> files_;
};

// Damaged headers, wrong CRCs and cut or lengthened files of one base.
QList<Corpus_File> File_Level_Mutants(const QByteArray& base, int target_count)
{
    std::mt19937 rng(SEED);
    QList<Corpus_File> files;
    const auto add = [&](const QString& id, const QByteArray& bytes) {
        files.append({id, bytes, static_cast<int>(rng() % target_count), -1, {}});
    };
    for (int offset = 0; offset < core::ORT_HEADER_LENGTH; ++offset) {
        const int original = static_cast<std::uint8_t>(base.at(offset));
        for (const int value : {0x00, 0xFF, (original + 1) & 0xFF}) {
            QByteArray bytes = base;
            bytes[offset] = static_cast<char>(value);
            add(QStringLiteral("hdr-o%1-b%2").arg(offset, 2, 10, QLatin1Char('0')).arg(Hex(value, 2)),
                bytes);
        }
    }
    QByteArray bad_crc = base;
    bad_crc[bad_crc.size() - 1] = static_cast<char>(bad_crc.at(bad_crc.size() - 1) ^ 1);
    add(QStringLiteral("crc-wrong"), bad_crc);
    for (const qsizetype length : {qsizetype{0}, qsizetype{43}, qsizetype{44}, qsizetype{45},
                                   base.size() - 3, base.size() - 2, base.size() - 1})
        add(QStringLiteral("cut-%1").arg(length), base.left(length));
    add(QStringLiteral("longer"), base + QByteArray(1, '\x5A'));
    return files;
}

// A record whose every number is 1 and every text "A".
QByteArray Plausible_Record(core::Layout layout, int length)
{
    core::Record record(layout, length);
    for (const core::Field_Def& field : layout)
        for (int i = 0; i < field.count; ++i) {
            if (field.enc == core::Enc::Text)
                record.Set_Text(field.id, QStringLiteral("A"), i);
            else if (field.enc != core::Enc::Bytes)
                record.Set(field.id, 1, i);
        }
    return record.Bytes();
}

// The data of a written file.
QByteArray Data_Of(const QByteArray& file)
{
    return file.mid(core::ORT_HEADER_LENGTH,
                    file.size() - core::ORT_HEADER_LENGTH - core::ORT_CRC_LENGTH);
}

} // namespace

QByteArray Corpus_File::Bytes() const
{
    if (At < 0)
        return Base;
    QByteArray bytes = Base;
    bytes.replace(At, Patch.size(), Patch);
    Refit_CRC(bytes);
    return bytes;
}

void Refit_CRC(QByteArray& file)
{
    const qsizetype length = file.size() - core::ORT_HEADER_LENGTH - core::ORT_CRC_LENGTH;
    platform::Put_U16(file, core::ORT_HEADER_LENGTH + length,
                      core::Calc_CRC16(file.mid(core::ORT_HEADER_LENGTH, length)));
}

QList<Corpus_File> First_Generation_Files(const Base_Files& bases)
{
    // The generation-5 record is the start of the generation-11 one.
    const QByteArray user_5 = Data_Of(bases.User_11).left(core::User_Record_Size(5) + 1);
    const QByteArray secured_4 =
        Plausible_Record(core::secured::Layout_V4(), core::secured::LENGTH_V4);
    const auto file = [](const char* id, std::int32_t type, const QByteArray& data) {
        return Corpus_File{QString::fromLatin1(id), core::Build_ORT_File(type, data, SAVE_DATE), -1, -1, {}};
    };
    return {file("base-04", 4, secured_4), file("base-05", 5, user_5),
            file("base-06", 6, secured_4 + user_5)};
}

QList<Corpus_File> Mutant_Files(const Base_Files& bases, int target_count)
{
    const QList<Corpus_File> first = First_Generation_Files(bases);
    const Generation generations[] = {
        {5, first[1].Base, first[2].Base, TABLES_5},
        {8, bases.User_8, bases.Composite_9, TABLES_8},
        {11, bases.User_11, bases.Composite_12, TABLES_11},
        {14, bases.User_14, bases.Composite_15, TABLES_14},
    };
    QList<Corpus_File> files;
    for (const Generation& generation : generations)
        files += Mutator(generation, target_count).Run();
    files += File_Level_Mutants(bases.User_14, target_count);
    return files;
}

} // namespace ort_corpus
