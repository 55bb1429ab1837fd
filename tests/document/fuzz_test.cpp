// Thousands of damaged files through the whole open path: valid headers and
// CRCs over mutated records of every type, damaged headers, truncated and
// random files, each into a random target configuration. Every file is
// either opened (and then saves and opens again) or refused with one box;
// none crashes, hangs or reads outside its bytes (the sanitizer build
// checks the last).
#include "tests/document/ort_loader_fixture.h"

#include "editor/document/change_check.h"
#include "platform/big_endian.h"

#include <QByteArrayList>
#include <random>

using namespace loader_test;

namespace {

// Answers Yes to every question and records every box.
class Permissive_Messages final : public platform::MessageService {
public:
    Permissive_Messages() { platform::Set_Message_Service(this); }
    ~Permissive_Messages() override { platform::Set_Message_Service(nullptr); }
    Permissive_Messages(const Permissive_Messages&) = delete;
    Permissive_Messages& operator=(const Permissive_Messages&) = delete;

    platform::MsgAnswer Show(const QString& text, platform::MsgButtons buttons, platform::MsgIcon,
                             const QString& title) override
    {
        texts.append(text);
        titles.append(title);
        return buttons == platform::MsgButtons::Ok ? platform::MsgAnswer::Ok
                                                   : platform::MsgAnswer::Yes;
    }

    // Boxes that end a load.
    int Refusals() const
    {
        static const QStringList refusal_titles = {
            QStringLiteral("Load Error"), QStringLiteral("Load error"), QStringLiteral("CRC Error"),
            QStringLiteral("File Already Open or In Use")};
        int count = 0;
        for (qsizetype i = 0; i < texts.size(); ++i)
            if (refusal_titles.contains(titles[i]) ||
                texts[i].startsWith(QLatin1String("Unknown Error in ")) ||
                texts[i] == QLatin1String("Must convert older ORT before opening..."))
                ++count;
        return count;
    }

    QStringList texts;
    QStringList titles;
};

constexpr int DEFAULT_ITERATIONS = 4000;
constexpr int SHARDS = 8;

int Iterations_Per_Shard()
{
    const int total = qEnvironmentVariableIsSet("MERIVANE_FUZZ_ITERATIONS")
                          ? qEnvironmentVariableIntValue("MERIVANE_FUZZ_ITERATIONS")
                          : DEFAULT_ITERATIONS;
    return std::max(1, total / SHARDS);
}

class Fuzz : public Loader_Fixture, public ::testing::WithParamInterface<int> {
protected:
    Fuzz() : rng_(0x5EED0000u + static_cast<unsigned>(GetParam())) {}

    // Valid files of every type the editor meets.
    void Make_Seeds()
    {
        for (const Target& target : WRITABLE_TARGETS) {
            Reset_Program_State();
            seeds_.append(Make_Written_File(target, QStringLiteral("seed.cfg")));
        }
        for (const std::int32_t type : {4, 5, 6})
            seeds_.append(Make_File(QStringLiteral("0") + QString::number(type),
                                    First_Generation_Data(type)));
    }

    std::uint32_t Below(std::uint32_t n) { return n == 0 ? 0 : rng_() % n; }

    static void Refit_CRC(QByteArray& file)
    {
        const qsizetype length = file.size() - 46;
        platform::Put_U16(file, 44 + length, core::Calc_CRC16(file.mid(44, length)));
    }

    QByteArray Mutate_Records(QByteArray file)
    {
        const qsizetype data = file.size() - 46;
        const int edits = 1 + static_cast<int>(Below(24));
        for (int i = 0; i < edits; ++i) {
            const qsizetype at = 44 + Below(static_cast<std::uint32_t>(data));
            switch (Below(4)) {
            case 0: file[at] = static_cast<char>(Below(256)); break;
            case 1: file[at] = '\xFF'; break;
            case 2: file[at] = '\x80'; break;
            default: // a run of one value
                for (qsizetype k = at; k < std::min(at + 8, 44 + data); ++k)
                    file[k] = static_cast<char>(Below(2) ? 0xFF : 0x00);
            }
        }
        Refit_CRC(file);
        return file;
    }

    QByteArray Mutate_Header(QByteArray file)
    {
        const int edits = 1 + static_cast<int>(Below(3));
        for (int i = 0; i < edits; ++i)
            file[Below(44)] = static_cast<char>(Below(256));
        return file;
    }

    QByteArray Random_File()
    {
        QByteArray file(static_cast<qsizetype>(Below(30000)), '\0');
        for (char& c : file)
            c = static_cast<char>(Below(256));
        if (Below(2) && file.size() >= 44) {
            // A plausible header over random data.
            const std::int32_t type = static_cast<std::int32_t>(Below(18));
            const auto length = static_cast<std::uint32_t>(
                Below(3) ? core::Get_Record_Length(type) + 1 : Below(40000));
            file.replace(0, 44, core::Build_Header(type, length, QStringLiteral("01-JAN-24")));
        }
        return file;
    }

    QByteArray Next_File()
    {
        const QByteArray& seed = seeds_[Below(static_cast<std::uint32_t>(seeds_.size()))];
        switch (Below(10)) {
        case 0: return Mutate_Header(seed);
        case 1: return seed.left(Below(static_cast<std::uint32_t>(seed.size())));
        case 2: return Random_File();
        default: return Mutate_Records(seed);
        }
    }

    std::mt19937 rng_;
    QByteArrayList seeds_;
};

} // namespace

TEST_P(Fuzz, EveryFileOpensOrIsRefusedWithOneBox)
{
    Make_Seeds();
    Permissive_Messages messages;
    const QString path = Path(QStringLiteral("fuzz.cfg"));
    const QString saved = Path(QStringLiteral("saved.cfg"));
    int opened = 0;
    const int iterations = Iterations_Per_Shard();
    for (int i = 0; i < iterations; ++i) {
        const QByteArray file = Next_File();
        Write_All(path, file);
        Reset_Program_State();
        Set_Target(WRITABLE_TARGETS[Below(std::size(WRITABLE_TARGETS))]);
        window = Stub_Window();
        messages.texts.clear();
        messages.titles.clear();

        const Ort_Loader::Load_Result result = Ort_Loader::Load_File(path, *pages, window);
        ASSERT_NE(result, Ort_Loader::Load_Result::Cancelled) << i;
        if (result == Ort_Loader::Load_Result::Refused) {
            ASSERT_EQ(messages.Refusals(), 1) << i << ": " << messages.texts.join(u'|').toStdString();
            ASSERT_EQ(window.resets, 1) << i;
            ASSERT_EQ(window.shown, 0) << i;
            continue;
        }
        ++opened;
        ASSERT_EQ(messages.Refusals(), 0) << i << ": " << messages.texts.join(u'|').toStdString();
        ASSERT_EQ(window.shown, 1) << i;
        // What opened saves, and the saved file opens again (this edition
        // refuses the secured-only files it writes).
        ASSERT_TRUE(Ort_Writer::Write_ORT(*pages, saved).has_value()) << i;
        if (core::Versions().Partition_Config == core::PARTITION_SECURED)
            continue;
        window = Stub_Window();
        messages.texts.clear();
        messages.titles.clear();
        ASSERT_EQ(Ort_Loader::Load_File(saved, *pages, window), Ort_Loader::Load_Result::Loaded)
            << i << ": " << messages.texts.join(u'|').toStdString();
    }
    // The mutations keep enough files valid to reach the conversion.
    EXPECT_GT(opened, iterations / 10);
}

INSTANTIATE_TEST_SUITE_P(Shards, Fuzz, ::testing::Range(0, SHARDS));
