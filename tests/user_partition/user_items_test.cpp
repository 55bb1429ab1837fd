// The user items table checked against a table of its own below: one line
// per item, keyed by the control's object name, stating what the user sees
// (report label, range and default, list entries, text width) and where each
// generation's record keeps the value (byte offset and width). The lines are
// written out by hand from the record layouts, not read from the rows, so a
// row whose range, default, label or record place changes fails here, and a
// row without a line (or a line without a row) fails too: whoever adds a
// scalar item adds its line.
//
// For every generation that holds an item (generation 5 loads only; its
// values are saved into generation 8), a value just inside each edge, put
// into the record bytes at its offset, loads and saves unchanged, and the
// saved record differs from the factory one at that place only; a value
// just past the edge loads as the default with its "***" line (a list
// without a report line refuses the load), and a character outside a text's
// set does not reach its box.

#include "editor/core/char_sets.h"
#include "editor/user_partition/user_items.h"
#include "editor/user_partition/user_record_v11.h"
#include "editor/user_partition/user_record_v5.h"
#include "editor/user_partition/user_v8_io.h"
#include "user_v14_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>

#include <array>
#include <deque>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <optional>
#include <ostream>
#include <vector>

using namespace User_Mod;

// QStrings in failure messages as text.
static void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

// --- the expected items ----------------------------------------------------------

enum class Kind {
    List,
    Text,
    Number, // a whole number, checked against its range on load
    Tenths, // a number with one decimal, stored in tenths, checked on load
    Plain,  // a whole number shown as stored
    Halves, // a number with one decimal, stored in halves, checked on load
    Option, // a pair of options: the stored 1 checks the second
    Octet,  // a byte in a text box, in decimal
    Hex,    // a byte in a text box, in hexadecimal
    Coded,  // a list coded in flag bytes of the generation's own (its own tests walk it)
};

// A value's place in one generation's record: byte offset and width (0: the
// generation does not hold the item), and what a list adds to its index.
struct At {
    int Offset = 0;
    int Width = 0;
    int Plus = 0;

    bool Held() const { return Width > 0; }
};

constexpr At NO{};

struct Expected {
    const char* Control;
    Kind Is;
    const char* Label; // of its report lines; nullptr: none
    // Numbers as their box shows them.
    const char* Low = nullptr;
    const char* High = nullptr;
    const char* Default = nullptr;
    int Size = 0;        // lists: entries; texts: characters the record keeps
    int Second = 0;      // lists: default index; texts: character set
    std::array<At, GENERATION_COUNT> Places{}; // generations 5, 8, 11, 14
    int Last_Stored = -1; // a list's last entry stored as this, not as its index
};

constexpr Expected L(const char* control, const char* label, int entries, int default_index, At v5, At v8,
                     At v11, At v14, int last_stored = -1)
{
    return {control, Kind::List, label, nullptr, nullptr, nullptr, entries, default_index, {v5, v8, v11, v14},
            last_stored};
}

constexpr Expected T(const char* control, const char* label, int characters, int char_set, At v5, At v8,
                     At v11, At v14)
{
    return {control, Kind::Text, label, nullptr, nullptr, nullptr, characters, char_set, {v5, v8, v11, v14}};
}

constexpr Expected N(Kind kind, const char* control, const char* label, const char* low, const char* high,
                     const char* fallback, At v5, At v8, At v11, At v14)
{
    return {control, kind, label, low, high, fallback, 0, 0, {v5, v8, v11, v14}};
}

constexpr Kind NUM = Kind::Number;
constexpr Kind TEN = Kind::Tenths;
constexpr Kind PLN = Kind::Plain;
constexpr Kind HLF = Kind::Halves;

// clang-format off
const Expected EXPECTED[] = {
    // Lists: control, label, entries, default index; generations 5, 8, 11, 14.
    L("Control_04",      "iv",    3, 2, {2454, 4},    {2454, 4},     {2454, 4},    {2454, 4}),
    L("Control_40a",     "xl-a",  2, 0, {7128, 2},    {18528, 2},    {7128, 2},    {18528, 2}),
    L("Control_40b",     "xl-b",  2, 1, {7130, 2},    {18530, 2},    {7130, 2},    {18530, 2}),
    L("Control_58",      "lviii", 2, 0, {7154, 2},    {18554, 2},    {7154, 2},    {18554, 2}),
    L("Control_07",      nullptr, 3, 0, {6302, 4},    {17702, 4},    {6302, 4},    {17702, 4}),
    L("Control_14",      nullptr, 17, 0, {6312, 4},   {17712, 4},    {6312, 4},    {17712, 4}, 255),
    L("Control_15",      nullptr, 2, 0, {6316, 4},    {17716, 4},    {6316, 4},    {17716, 4}),
    L("Control_19a",     nullptr, 2, 1, {7082, 2},    {18482, 2},    {7082, 2},    {18482, 2}),
    L("Control_19b",     nullptr, 2, 1, {7084, 2},    {18484, 2},    {7084, 2},    {18484, 2}),
    L("Control_20",      nullptr, 2, 0, {7088, 4},    {18488, 4, 1}, {7088, 4, 1}, {18488, 4, 1}),
    L("Control_35",      nullptr, 2, 0, {7120, 4},    {18520, 4},    {7120, 4},    {18520, 4}),
    L("Control_36",      nullptr, 2, 0, {7124, 2},    {18524, 2},    {7124, 2},    {18524, 2}),
    L("Control_63",      nullptr, 5, 3, NO,           {18570, 1},    NO,           {18570, 1}),
    L("Control_10",      nullptr, 2, 0, {6306, 2},    {17706, 2},    {6306, 2},    {17706, 2}),
    L("Control_13",      "xiii",  4, 3, {6308, 4},    {17708, 4},    {6308, 4},    {17708, 4}),
    L("Control_21a",     nullptr, 3, 2, {7092, 4},    {18492, 4},    {7092, 4},    {18492, 4}),
    L("Control_21b",     nullptr, 3, 2, {7096, 4},    {18496, 4},    {7096, 4},    {18496, 4}),
    L("Control_24a",     nullptr, 3, 0, {7100, 4},    {18500, 4},    {7100, 4},    {18500, 4}),
    L("Control_24b",     nullptr, 3, 0, {7104, 4},    {18504, 4},    {7104, 4},    {18504, 4}),
    L("Control_45_1b1",  "xlv-SDU 1, APHONE 1, Type", 2, 0, {7134, 2},    {18534, 2},    {7134, 2},    {18534, 2}),
    L("Control_45_1b2",  "xlv-SDU 1, APHONE 2, Type", 2, 0, {7138, 2},    {18538, 2},    {7138, 2},    {18538, 2}),
    L("Control_45_2b1",  "xlv-SDU 2, APHONE 1, Type", 2, 0, {7142, 2},    {18542, 2},    {7142, 2},    {18542, 2}),
    L("Control_45_2b2",  "xlv-SDU 2, APHONE 2, Type", 2, 0, {7146, 2},    {18546, 2},    {7146, 2},    {18546, 2}),
    L("Control_65",      nullptr, 3, 0, NO,           {18575, 1},    NO,           {18575, 1}),
    L("Control_70",      nullptr, 2, 1, NO,           {18648, 2},    NO,           {18672, 2}),
    L("Control_71",      nullptr, 2, 0, NO,           {18650, 2},    NO,           {18674, 2}),
    L("Control_77a",     nullptr, 4, 3, NO,           {18653, 1},    NO,           {18677, 1}),
    L("Control_79_1(0)", nullptr, 2, 0, NO,           NO,            NO,           {19197, 2}),
    L("Control_79_1(1)", nullptr, 2, 0, NO,           NO,            NO,           {19199, 2}),
    L("Control_79_2(0)", nullptr, 2, 0, NO,           NO,            NO,           {19201, 2}),
    L("Control_79_2(1)", nullptr, 2, 0, NO,           NO,            NO,           {19203, 2}),
    L("Control_89(0)",   nullptr, 3, 1, NO,           NO,            NO,           {19458, 4}),
    L("Control_89(1)",   nullptr, 3, 1, NO,           NO,            NO,           {19462, 4}),
    L("Control_98(0)",   nullptr, 4, 0, NO,           NO,            NO,           {19596, 4}),
    L("Control_98(1)",   nullptr, 4, 0, NO,           NO,            NO,           {19600, 4}),
    L("Control_84",      nullptr, 2, 1, NO,           NO,            NO,           {19374, 2}),
    L("Control_88",      nullptr, 2, 0, NO,           NO,            NO,           {19456, 2}),
    L("Control_93",      nullptr, 2, 1, NO,           NO,            NO,           {19521, 2}),
    L("Control_96",      nullptr, 10, 9, NO,          NO,            NO,           {19593, 1}),
    L("Control_97",      nullptr, 2, 0, NO,           NO,            NO,           {19594, 2}),
    L("Control_99",      "ic",    4, 3, NO,           NO,            NO,           {19604, 4}),
    L("Control_100",     nullptr, 3, 2, NO,           NO,            NO,           {19608, 4}),
    L("Control_101",     nullptr, 2, 0, NO,           NO,            NO,           {19612, 2}),
    // Item 92: each preference follows its element number (stored 4 bytes
    // before it); a preference past the list refuses the load.
    L("Control_92(0)",   nullptr, 4, 1, NO,           NO,            NO,           {19510, 1}),
    L("Control_92(1)",   nullptr, 4, 2, NO,           NO,            NO,           {19515, 1}),
    L("Control_92(2)",   nullptr, 4, 3, NO,           NO,            NO,           {19520, 1}),
    L("Control_104(0)",  "civ-0",  4, 0, NO,           NO,            NO,           {19625, 1}),
    L("Control_104(1)",  "civ-1",  4, 0, NO,           NO,            NO,           {19626, 1}),
    L("Control_104(2)",  "civ-2",  7, 1, NO,           NO,            NO,           {19627, 1}),

    // Texts: control, label, characters kept, character set; generations 5, 8, 11, 14.
    T("Control_33",         "xxxiii",                  24, 1,  {0, 25},    {0, 25},      {0, 25},    {0, 25}),
    T("Control_34",         "xxxiv",                    4, 0,  {25, 5},    {25, 5},      {25, 5},    {25, 5}),
    T("Control_25a",        "xxv-SDU 1",                4, 4,  {7108, 4},  {18508, 4},   {7108, 4},  {18508, 4}),
    T("Control_25b",        "xxv-SDU 2",                4, 4,  {7112, 4},  {18512, 4},   {7112, 4},  {18512, 4}),
    T("Control_69(0)",      "lxix - SDU 1",            15, 13, NO,         {18616, 16},  NO,         {18640, 16}),
    T("Control_69(1)",      "lxix - SDU 2",            15, 13, NO,         {18632, 16},  NO,         {18656, 16}),
    T("Control_80",         "lxxx",                    40, 0,  NO,         NO,           NO,         {19205, 41}),
    T("Control_81user(0)",  "lxxxi - SDU 0, Username", 15, 13, NO,         NO,           NO,         {19246, 16}),
    T("Control_81user(1)",  "lxxxi - SDU 1, Username", 15, 13, NO,         NO,           NO,         {19262, 16}),
    T("Control_81pass(0)",  "lxxxi - SDU 0, Password", 15, 13, NO,         NO,           NO,         {19278, 16}),
    T("Control_81pass(1)",  "lxxxi - SDU 1, Password", 15, 13, NO,         NO,           NO,         {19294, 16}),
    T("Control_82a(0)",     "lxxxii - SDU 1, Port 0",  15, 13, NO,         NO,           NO,         {19310, 16}),
    T("Control_82a(1)",     "lxxxii - SDU 1, Port 1",  15, 13, NO,         NO,           NO,         {19326, 16}),
    T("Control_82b(0)",     "lxxxii - SDU 2, Port 0",  15, 13, NO,         NO,           NO,         {19342, 16}),
    T("Control_82b(1)",     "lxxxii - SDU 2, Port 1",  15, 13, NO,         NO,           NO,         {19358, 16}),
    T("Control_85user(0)",  "lxxxv - SDU 0, Username", 15, 13, NO,         NO,           NO,         {19376, 16}),
    T("Control_85user(1)",  "lxxxv - SDU 1, Username", 15, 13, NO,         NO,           NO,         {19392, 16}),
    T("Control_85pass(0)",  "lxxxv - SDU 0, Password", 15, 13, NO,         NO,           NO,         {19408, 16}),
    T("Control_85pass(1)",  "lxxxv - SDU 1, Password", 15, 13, NO,         NO,           NO,         {19424, 16}),
    T("Control_86",         "lxxxvi",                  15, 11, NO,         NO,           NO,         {19440, 16}),

    // Numbers: kind, control, label, lowest, highest, default; generations 5, 8, 11, 14.
    N(NUM, "Control_49(0)",  "xlix-0", "0", "99", "6",  {7148, 1}, {18548, 1}, {7148, 1}, {18548, 1}),
    N(NUM, "Control_49(1)",  "xlix-1", "0", "99", "2",  {7149, 1}, {18549, 1}, {7149, 1}, {18549, 1}),
    N(NUM, "Control_49(2)",  "xlix-2", "0", "99", "5",  {7150, 1}, {18550, 1}, {7150, 1}, {18550, 1}),
    N(NUM, "Control_49(3)",  "xlix-3", "0", "99", "6",  {7151, 1}, {18551, 1}, {7151, 1}, {18551, 1}),
    N(NUM, "Control_49(4)",  "xlix-4", "0", "99", "1",  {7152, 1}, {18552, 1}, {7152, 1}, {18552, 1}),
    N(NUM, "Control_49(5)",  "xlix-5", "0", "99", "2",  {7153, 1}, {18553, 1}, {7153, 1}, {18553, 1}),
    N(NUM, "Control_45_1a1", "xlv-SDU 1, APHONE 1", "-1", "999", "-1", {7132, 2}, {18532, 2}, {7132, 2}, {18532, 2}),
    N(NUM, "Control_45_1a2", "xlv-SDU 1, APHONE 2", "-1", "999", "-1", {7136, 2}, {18536, 2}, {7136, 2}, {18536, 2}),
    N(NUM, "Control_45_2a1", "xlv-SDU 2, APHONE 1", "-1", "999", "-1", {7140, 2}, {18540, 2}, {7140, 2}, {18540, 2}),
    N(NUM, "Control_45_2a2", "xlv-SDU 2, APHONE 2", "-1", "999", "-1", {7144, 2}, {18544, 2}, {7144, 2}, {18544, 2}),
    N(TEN, "Control_62",     "lxii",   "0.0", "25.0", "18.0", {7160, 4}, {18560, 4}, {7160, 4}, {18560, 4}),
    N(TEN, "Control_64",     "lxiv",   "0.0", "30.0", "16.0", NO,        {18571, 4}, NO,        {18571, 4}),
    N(NUM, "Control_76",     "lxxvi",  "3",   "250",  "50",   NO,        {18652, 1}, NO,        {18676, 1}),
    N(NUM, "Control_94",     "xciv",   "1",   "30",   "5",    NO,        NO,         NO,        {19523, 2}),
    N(NUM, "Control_108",    "cviii",  "1",   "30",   "5",    NO,        NO,         NO,        {19616, 2}),
    N(PLN, "Control_77b(0)", nullptr,  "0",   "65535", "0",   NO,        {18654, 2}, NO,        {18678, 2}),
    N(PLN, "Control_77b(1)", nullptr,  "0",   "65535", "0",   NO,        {18656, 2}, NO,        {18680, 2}),
    N(PLN, "Control_77b(2)", nullptr,  "0",   "65535", "0",   NO,        {18658, 2}, NO,        {18682, 2}),
    N(PLN, "Control_77b(3)", nullptr,  "0",   "65535", "0",   NO,        {18660, 2}, NO,        {18684, 2}),
    N(PLN, "Control_90pac",  nullptr,  "0",   "65535", "0",   NO,        NO,         NO,        {19466, 2}),
    N(PLN, "Control_90per",  nullptr,  "0",   "65535", "0",   NO,        NO,         NO,        {19468, 2}),
    N(PLN, "Control_102",    nullptr,  "0",   "65535", "256", NO,        NO,         NO,        {19614, 2}),
    N(NUM, "Control_103(0)", "ciii-0", "70",  "255",  "208",  NO,        NO,         NO,        {19618, 1}),
    N(NUM, "Control_103(1)", "ciii-1", "70",  "255",  "211",  NO,        NO,         NO,        {19619, 1}),
    N(NUM, "Control_103(2)", "ciii-2", "70",  "255",  "213",  NO,        NO,         NO,        {19620, 1}),
    N(NUM, "Control_103(3)", "ciii-3", "70",  "255",  "215",  NO,        NO,         NO,        {19621, 1}),
    N(NUM, "Control_103(4)", "ciii-4", "70",  "255",  "217",  NO,        NO,         NO,        {19622, 1}),
    N(NUM, "Control_103(5)", "ciii-5", "70",  "255",  "218",  NO,        NO,         NO,        {19623, 1}),
    N(NUM, "Control_103(6)", "ciii-6", "70",  "255",  "219",  NO,        NO,         NO,        {19624, 1}),
    N(PLN, "Control_105(0)", nullptr,  "0",   "255",  "100",  NO,        NO,         NO,        {19628, 1}),
    N(PLN, "Control_105(1)", nullptr,  "0",   "255",  "80",   NO,        NO,         NO,        {19629, 1}),
    N(PLN, "Control_105(2)", nullptr,  "0",   "255",  "10",   NO,        NO,         NO,        {19630, 1}),
    N(PLN, "Control_105(3)", nullptr,  "0",   "255",  "15",   NO,        NO,         NO,        {19631, 1}),
    N(NUM, "Control_106_Az(0)", "cvi-Azimuth 0", "-99", "99", "-15", NO,  NO,         NO,        {19632, 2}),
    N(NUM, "Control_106_Az(1)", "cvi-Azimuth 1", "-99", "99", "0",   NO,  NO,         NO,        {19634, 2}),
    N(NUM, "Control_106_Az(2)", "cvi-Azimuth 2", "-99", "99", "15",  NO,  NO,         NO,        {19636, 2}),
    N(HLF, "Control_106_El(0)", "cvi-Elevation 0", "0", "90", "12.5", NO, NO,     NO,        {19638, 2}),
    N(HLF, "Control_106_El(1)", "cvi-Elevation 1", "0", "90", "27.5", NO, NO,     NO,        {19640, 2}),
    N(NUM, "Control_107",    "cvii",   "0",   "99",   "1",    NO,        NO,         NO,        {19642, 1}),

    // Item 61: a list coded in the flag bytes A0 to A3 (and B in generations
    // 8 and 14).
    {"Control_61", Kind::Coded, "lxi", nullptr, nullptr, nullptr, 6, 4,
     {At{7156, 4}, At{18556, 4}, At{7156, 4}, At{18556, 4}}},

    // Options: control of the first option, label, default option; generations 5, 8, 11, 14.
    {"Control_26a(0)", Kind::Option, "xxvi-SDU 1", nullptr, nullptr, nullptr, 2, 1,
     {At{7116, 2}, At{18516, 2}, At{7116, 2}, At{18516, 2}}},
    {"Control_26b(0)", Kind::Option, "xxvi-SDU 2", nullptr, nullptr, nullptr, 2, 1,
     {At{7118, 2}, At{18518, 2}, At{7118, 2}, At{18518, 2}}},
};

// The address octets and MAC bytes, a line for each box: the boxes' name,
// report label head, first offset in generation 8 (0: not held) and 14, and
// the default octets.
struct Address {
    const char* Boxes;
    const char* Label;
    int V8;
    int V14;
    std::array<int, 4> Default;
};

const Address ADDRESSES[] = {
    {"Control_72a1", "lxxii - SDU 1, Port 1, Part ",  18576, 18576, {192, 168, 0, 1}},
    {"Control_72a2", "lxxii - SDU 1, Port 2, Part ",  0,     18580, {192, 168, 1, 1}},
    {"Control_72b1", "lxxii - SDU 2, Port 1, Part ",  18580, 18584, {192, 168, 0, 2}},
    {"Control_72b2", "lxxii - SDU 2, Port 2, Part ",  0,     18588, {192, 168, 1, 2}},
    {"Control_73a1", "lxxiii - SDU 1, Port 1, Part ", 18584, 18592, {255, 255, 255, 0}},
    {"Control_73a2", "lxxiii - SDU 1, Port 2, Part ", 0,     18596, {255, 255, 255, 0}},
    {"Control_73b1", "lxxiii - SDU 2, Port 1, Part ", 18588, 18600, {255, 255, 255, 0}},
    {"Control_73b2", "lxxiii - SDU 2, Port 2, Part ", 0,     18604, {255, 255, 255, 0}},
    {"Control_74a1", "lxxiv - SDU 1, Port 1, Part ",  18592, 18608, {0, 0, 0, 0}},
    {"Control_74a2", "lxxiv - SDU 1, Port 2, Part ",  0,     18612, {0, 0, 0, 0}},
    {"Control_74b1", "lxxiv - SDU 2, Port 1, Part ",  18596, 18616, {0, 0, 0, 0}},
    {"Control_74b2", "lxxiv - SDU 2, Port 2, Part ",  0,     18620, {0, 0, 0, 0}},
    {"Control_75",   "lxxv - Part ",                  18600, 18624, {192, 168, 0, 100}},
};
// clang-format on

// The MAC address bytes of SDU 1 and 2: generation 8 from 18604, generation
// 14 from 18628, six each, no report line, default 0.
constexpr int MAC_V8 = 18604;
constexpr int MAC_V14 = 18628;

// Every expected line.
const std::vector<Expected>& All_Expected()
{
    static std::deque<std::string> texts; // the names and labels the lines point at
    static const std::vector<Expected> all = [] {
        const auto text = [](std::string value) { return texts.emplace_back(std::move(value)).c_str(); };
        std::vector<Expected> lines(std::begin(EXPECTED), std::end(EXPECTED));
        for (const Address& address : ADDRESSES) {
            for (int k = 0; k < 4; ++k) {
                const std::string octet = std::to_string(address.Default[static_cast<std::size_t>(k)]);
                lines.push_back({text(std::string(address.Boxes) + "(" + std::to_string(k) + ")"), Kind::Octet,
                                 text(address.Label + std::to_string(k)), "0", "255", text(octet), 0, 0,
                                 {NO, address.V8 ? At{address.V8 + k, 1} : NO, NO, At{address.V14 + k, 1}}});
            }
        }
        for (int k = 0; k < 6; ++k) {
            for (int sdu = 0; sdu < 2; ++sdu) {
                const std::string name = (sdu == 0 ? "Control_68a(" : "Control_68b(") + std::to_string(k) + ")";
                lines.push_back({text(name), Kind::Hex, nullptr, "0", "FF", "0", 0, 0,
                                 {NO, At{MAC_V8 + 6 * sdu + k, 1}, NO, At{MAC_V14 + 6 * sdu + k, 1}}});
            }
        }
        return lines;
    }();
    return all;
}

const At& Place(const Expected& item, Generation generation)
{
    return item.Places[static_cast<std::size_t>(generation)];
}

bool Is_Number(Kind kind)
{
    return kind == Kind::Number || kind == Kind::Tenths || kind == Kind::Plain || kind == Kind::Halves;
}

// --- values and their bytes --------------------------------------------------------

// One value of an item: a list index, a number in the steps the record keeps
// (tenths for Kind::Tenths), or a text; and what its control shows.
struct Value {
    std::int64_t Number = 0;
    QString Text;
    QString Shown;
};

std::int64_t Steps_Of(Kind kind, const QString& shown)
{
    if (kind == Kind::Hex)
        return shown.toLongLong(nullptr, 16);
    if (kind == Kind::Halves)
        return qRound64(shown.toDouble() * 2);
    return kind == Kind::Tenths ? qRound64(shown.toDouble() * 10) : shown.toLongLong();
}

QByteArray Big_Endian(std::int64_t number, int width)
{
    QByteArray bytes(width, '\0');
    usertest::Put_Number(bytes, 0, width, number);
    return bytes;
}

// The bytes that a place holds for a value.
QByteArray Stored(const Expected& item, const At& at, const Value& value)
{
    switch (item.Is) {
    case Kind::List:
        if (item.Last_Stored >= 0 && value.Number == item.Size - 1)
            return Big_Endian(item.Last_Stored, at.Width);
        return Big_Endian(value.Number + at.Plus, at.Width);
    case Kind::Text: return usertest::Text_Field(value.Text.toLatin1().constData(), at.Width);
    default: return Big_Endian(value.Number, at.Width);
    }
}

QByteArray With(QByteArray bytes, const At& at, const QByteArray& field)
{
    bytes.replace(at.Offset, at.Width, field);
    return bytes;
}

const core::Char_Set& Set_Of(const Expected& item)
{
    return core::Char_Sets(item.Second);
}

// A text as long as the record keeps, of digits and capitals of the set.
QString Full_Text(const Expected& item)
{
    const QString pool = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    QString usable;
    for (const QChar c : pool)
        if (Set_Of(item).Admits(c))
            usable += c;
    QString text;
    for (int i = 0; i < item.Size; ++i)
        text += usable.at(i % usable.size());
    return text;
}

// A printable character that the set refuses; none when it takes them all (a
// text ends at its first character that is not printable).
std::optional<QChar> Outside(const core::Char_Set& set)
{
    for (char c = '!'; c < '~'; ++c)
        if (!set.Admits(QLatin1Char(c)) && !(set.To_Upper && QChar(QLatin1Char(c)).isLower()))
            return QLatin1Char(c);
    return std::nullopt;
}

// Just inside each edge: a list's first and last entry, a text at its full
// width, a number's lowest and highest value.
std::vector<Value> Inside(const Expected& item)
{
    if (item.Is == Kind::List || item.Is == Kind::Option)
        return {{0, {}, QStringLiteral("0")}, {item.Size - 1, {}, QString::number(item.Size - 1)}};
    if (item.Is == Kind::Text) {
        const QString text = Full_Text(item);
        return {{0, text, text}};
    }
    const QString low = QLatin1String(item.Low);
    const QString high = QLatin1String(item.High);
    return {{Steps_Of(item.Is, low), {}, low}, {Steps_Of(item.Is, high), {}, high}};
}

// Just past each edge: the entry after a list's last, a character outside a
// text's set, one step past a checked number's range (a plain number shows
// every value its field holds).
std::vector<Value> Outside(const Expected& item)
{
    switch (item.Is) {
    case Kind::List:
    case Kind::Option: return {{item.Size, {}, {}}};
    case Kind::Octet:
    case Kind::Hex: return {}; // a byte holds nothing else
    case Kind::Text:
        if (const std::optional<QChar> outside = Outside(Set_Of(item)))
            return {{0, QString(*outside), {}}};
        return {};
    case Kind::Plain: return {};
    default:
        return {{Steps_Of(item.Is, QLatin1String(item.Low)) - 1, {}, {}},
                {Steps_Of(item.Is, QLatin1String(item.High)) + 1, {}, {}}};
    }
}

QString Shown(const Expected& item, QWidget* control)
{
    if (item.Is == Kind::List)
        return QString::number(qobject_cast<QComboBox*>(control)->currentIndex());
    if (item.Is == Kind::Option)
        return qobject_cast<QRadioButton*>(control)->isChecked() ? QStringLiteral("0") : QStringLiteral("1");
    return qobject_cast<QLineEdit*>(control)->text();
}

Value Default_Value(const Expected& item)
{
    if (item.Is == Kind::List || item.Is == Kind::Option)
        return {item.Second, {}, QString::number(item.Second)};
    return {Steps_Of(item.Is, QLatin1String(item.Default)), {}, QLatin1String(item.Default)};
}

std::string Text(const QString& text)
{
    return text.toStdString();
}

// The first byte at which two records differ, for a readable failure.
QString First_Difference(const QByteArray& actual, const QByteArray& expected)
{
    if (actual.size() != expected.size())
        return QStringLiteral("length %1, expected %2").arg(actual.size()).arg(expected.size());
    for (int i = 0; i < actual.size(); ++i)
        if (actual.at(i) != expected.at(i))
            return QStringLiteral("offset %1: %2, expected %3")
                .arg(i)
                .arg(static_cast<std::uint8_t>(actual.at(i)))
                .arg(static_cast<std::uint8_t>(expected.at(i)));
    return {};
}

// --- the generations ----------------------------------------------------------------

struct Generation_Case {
    Generation Which;
    const char* Name;
    core::Record& (*Record)(); // the record loaded
    void (*Load)(Page_Set&);
    Generation Saved_As;       // the record the save writes
    core::Record& (*Saved)();
    void (*Save)(Page_Set&);
    void (*Set_Versions)();
    // The factory defaults of the pages as a record of the generation.
    QByteArray (*Factory)(Page_Set&);
};

void Versions_V8()
{
    usertest::Set_User_Current(8, 2, 3, 0);
    usertest::Set_User_Loaded(8, 2);
}

void Versions_V11()
{
    usertest::Set_User_Current(11, 1, 1, 0);
    usertest::Set_User_Loaded(11, 1);
}

void Versions_V14()
{
    v14test::Set_Current(1);
    v14test::Set_Loaded(14, 1);
}

// The factory defaults saved into a generation's record.
template <void (*Versions)(), void (*Save)(Page_Set&), core::Record& (*Record)()>
QByteArray Factory_Of(Page_Set& pages)
{
    Versions();
    Save(pages);
    return Record().Bytes();
}

const Generation_Case CASES[] = {
    // Generation 5 is read only: its values go on into generation 8. Its
    // record is the head of generation 11's, whose item-62 word says the
    // item is present.
    {Generation::V5, "generation 5", User_Record_V5, Update_GUI_V5, Generation::V8, User_Record_V8,
     Update_Data_V8, [] {
         Versions_V8();
         usertest::Set_User_Loaded(5, 0);
     },
     [](Page_Set& pages) {
         Versions_V11();
         Update_Data_V11(pages);
         QByteArray bytes = User_Record_V11().Bytes().left(V5_LENGTH);
         // Each default in generation 5's own coding (item 20 keeps the index).
         for (const Expected& item : All_Expected()) {
             const At& at = Place(item, Generation::V5);
             if (at.Held() && item.Is != Kind::Text && item.Is != Kind::Coded)
                 bytes = With(bytes, at, Stored(item, at, Default_Value(item)));
         }
         return bytes;
     }},
    {Generation::V8, "generation 8", User_Record_V8, Update_GUI_V8, Generation::V8, User_Record_V8,
     Update_Data_V8, Versions_V8,
     Factory_Of<Versions_V8, Update_Data_V8, User_Record_V8>},
    {Generation::V11, "generation 11", User_Record_V11, Update_GUI_V11, Generation::V11, User_Record_V11,
     Update_Data_V11, Versions_V11,
     Factory_Of<Versions_V11, Update_Data_V11, User_Record_V11>},
    {Generation::V14, "generation 14", User_Record_V14, Update_GUI_V14, Generation::V14, User_Record_V14,
     Update_Data_V14, Versions_V14,
     Factory_Of<Versions_V14, Update_Data_V14, User_Record_V14>},
};

// The control of each row by its object name.
std::map<QString, QWidget*> Controls_By_Name(Page_Set& pages)
{
    std::map<QString, QWidget*> controls;
    for (const User_Item_Row& row : User_Items())
        if (QWidget* control = Item_Widget(row, pages))
            controls[control->objectName()] = control;
    return controls;
}

class UserItemsTest : public v14test::V14Test {
protected:
    ~UserItemsTest() override
    {
        User_Mod::User_Record_V8().Clear();
        User_Mod::User_Record_V11().Clear();
        User_Mod::User_Record_V5().Clear();
    }

    // Loads `bytes` into the pages; false (with a failure) when the load refused.
    static bool Load(const Generation_Case& gen, Page_Set& pages, const QByteArray& bytes)
    {
        gen.Record().Set_Bytes(bytes);
        try {
            gen.Load(pages);
        } catch (const core::Record_Error& error) {
            ADD_FAILURE() << "load refused: " << error.Message().toStdString();
            return false;
        }
        return true;
    }

    static QByteArray Save(const Generation_Case& gen, Page_Set& pages)
    {
        gen.Save(pages);
        return gen.Saved().Bytes();
    }

    // The "***" lines of a load with the report open.
    QStringList Out_Of_Range_Lines(const Generation_Case& gen, Page_Set& pages, const QByteArray& bytes,
                                   QStringList* all = nullptr)
    {
        Open_Report();
        Load(gen, pages, bytes);
        const QStringList entries = Report_Entries();
        if (all)
            *all = entries;
        QStringList lines;
        for (const QString& entry : entries)
            if (entry.startsWith(QStringLiteral("*** ")))
                lines << entry;
        return lines;
    }

    void Expect_Past_The_Edge(const Generation_Case& gen, Page_Set& pages, const QByteArray& factory,
                              const Expected& item, QWidget* control, const Value& value)
    {
        const At& at = Place(item, gen.Which);
        const QByteArray bytes = With(factory, at, Stored(item, at, value));
        SCOPED_TRACE(QStringLiteral("past the edge: %1").arg(item.Is == Kind::Text ? value.Text
                                                                     : QString::number(value.Number))
                         .toStdString());
        // The control back at its default first: a list keeps what it shows.
        Load(gen, pages, factory);
        if (!item.Label) {
            gen.Record().Set_Bytes(bytes);
            EXPECT_THROW(gen.Load(pages), core::Record_Error);
            return;
        }
        QStringList entries;
        const QStringList lines = Out_Of_Range_Lines(gen, pages, bytes, &entries);
        const QString prefix = QStringLiteral("*** Item ") + QLatin1String(item.Label)
                               + QStringLiteral(" - Value out of range, ");
        switch (item.Is) {
        case Kind::List: {
            const auto* box = qobject_cast<QComboBox*>(control);
            EXPECT_EQ(box->currentIndex(), item.Second);
            EXPECT_EQ(lines, QStringList{prefix + QStringLiteral("changed to: ") + box->itemText(item.Second)});
            break;
        }
        case Kind::Option:
            // Any value but 1 checks the first option.
            EXPECT_EQ(Text(Shown(item, control)), "0");
            EXPECT_EQ(lines, QStringList{prefix + QStringLiteral("was: ") + QString::number(value.Number)})
                << entries.join(QLatin1Char('\n')).toStdString();
            break;
        case Kind::Text:
            EXPECT_FALSE(Shown(item, control).contains(value.Text));
            EXPECT_EQ(lines, QStringList{prefix + QStringLiteral("was: ") + value.Text});
            break;
        default: {
            EXPECT_EQ(Text(Shown(item, control)), item.Default);
            ASSERT_EQ(lines.size(), 1) << entries.join(QLatin1Char('\n')).toStdString();
            EXPECT_TRUE(lines.front().startsWith(prefix + QStringLiteral("was: "))) << lines.front().toStdString();
            // The second line gives the default as the record keeps it.
            const qsizetype next = entries.indexOf(lines.front()) + 1;
            ASSERT_LT(next, entries.size());
            EXPECT_TRUE(entries.at(next).endsWith(
                QStringLiteral("Changed to: ")
                + QString::number(Steps_Of(item.Is, QLatin1String(item.Default)))))
                << entries.at(next).toStdString();
            break;
        }
        }
    }
};

} // namespace

TEST_F(UserItemsTest, EveryRowOfEveryGenerationAtAndPastItsEdges)
{
    for (const Generation_Case& gen : CASES) {
        SCOPED_TRACE(gen.Name);
        auto set = Make_Pages();
        Page_Set& pages = *set;
        const QByteArray factory = gen.Factory(pages);
        gen.Set_Versions();
        const std::map<QString, QWidget*> controls = Controls_By_Name(pages);

        // The factory record loads without a "***" line, every item showing
        // its default, and saves as the baseline of the record saved.
        EXPECT_EQ(Out_Of_Range_Lines(gen, pages, factory), QStringList{});
        for (const Expected& item : All_Expected()) {
            const auto found = controls.find(QLatin1String(item.Control));
            if (Place(item, gen.Which).Held() && item.Is != Kind::Text && item.Is != Kind::Coded
                && found != controls.end()) {
                EXPECT_EQ(Text(Shown(item, found->second)), Text(Default_Value(item).Shown)) << item.Control;
            }
        }
        const QByteArray baseline = Save(gen, pages);
        // A reopening starts from the New ORT's description, whose last
        // blank the record keeps (a load keeps the box's text when the
        // stored one differs from it only by its outer blanks).
        const QString description = pages.Main.Control_33->text();

        for (const Expected& item : All_Expected()) {
            const At& at = Place(item, gen.Which);
            if (!at.Held() || item.Is == Kind::Coded)
                continue;
            SCOPED_TRACE(item.Control);
            const auto found = controls.find(QLatin1String(item.Control));
            ASSERT_NE(found, controls.end()) << "no row has the control";
            QWidget* control = found->second;
            ASSERT_TRUE(item.Is == Kind::List     ? qobject_cast<QComboBox*>(control) != nullptr
                        : item.Is == Kind::Option ? qobject_cast<QRadioButton*>(control) != nullptr
                                                  : qobject_cast<QLineEdit*>(control) != nullptr);
            const At& saved_at = Place(item, gen.Saved_As);
            ASSERT_TRUE(saved_at.Held());

            for (const Value& value : Inside(item)) {
                SCOPED_TRACE(value.Shown.toStdString());
                // A text other than the one shown gives a line with its label.
                const QString before = QStringLiteral("Z9");
                pages.Main.Control_33->setText(description);
                if (item.Is == Kind::Text)
                    qobject_cast<QLineEdit*>(control)->setText(before);
                QStringList entries;
                EXPECT_EQ(Out_Of_Range_Lines(gen, pages, With(factory, at, Stored(item, at, value)), &entries),
                          QStringList{});
                if (item.Is == Kind::Text) {
                    EXPECT_TRUE(entries.contains(QStringLiteral("    Item ") + QLatin1String(item.Label)
                                                 + QStringLiteral(" - Default:    ") + before))
                        << entries.join(QLatin1Char('\n')).toStdString();
                }
                EXPECT_EQ(Text(Shown(item, control)), Text(value.Shown));
                const QByteArray saved = Save(gen, pages);
                EXPECT_EQ(saved.mid(saved_at.Offset, saved_at.Width), Stored(item, saved_at, value));
                // Nothing else of the record moved.
                EXPECT_EQ(Text(First_Difference(saved, With(baseline, saved_at, Stored(item, saved_at, value)))),
                          "");
            }
            for (const Value& value : Outside(item))
                Expect_Past_The_Edge(gen, pages, factory, item, control, value);
        }
    }
}

// Every row has one line above, every line one row, of the same kind and
// held by the same generations.
TEST_F(UserItemsTest, EveryRowHasOneExpectedLine)
{
    std::map<QString, const Expected*> expected;
    for (const Expected& item : All_Expected())
        EXPECT_TRUE(expected.emplace(QLatin1String(item.Control), &item).second) << "twice: " << item.Control;

    std::map<QString, int> rows;
    for (const User_Item_Row& row : User_Items()) {
        QWidget* control = Item_Widget(row, *pages);
        ASSERT_NE(control, nullptr);
        const QString name = control->objectName();
        ++rows[name];
        const auto found = expected.find(name);
        if (found == expected.end()) {
            ADD_FAILURE() << "no expected line for the row of " << name.toStdString();
            continue;
        }
        const Expected& item = *found->second;
        SCOPED_TRACE(item.Control);
        EXPECT_EQ(row.List != nullptr, item.Is == Kind::List || item.Is == Kind::Coded);
        EXPECT_EQ(row.Text != nullptr, item.Is == Kind::Text || item.Is == Kind::Octet || item.Is == Kind::Hex);
        EXPECT_EQ(row.Number != nullptr, Is_Number(item.Is));
        EXPECT_EQ(row.Option != nullptr, item.Is == Kind::Option);
        for (const Generation generation : {Generation::V5, Generation::V8, Generation::V11, Generation::V14})
            EXPECT_EQ(row.At(generation).Held(), Place(item, generation).Held()) << static_cast<int>(generation);
    }
    for (const Expected& item : All_Expected())
        EXPECT_EQ(rows[QLatin1String(item.Control)], 1) << "rows of " << item.Control;
}

// --- report lines of bad files ---------------------------------------------------------

namespace {

const Expected& Expected_Of(const char* control)
{
    for (const Expected& item : All_Expected())
        if (qstrcmp(item.Control, control) == 0)
            return item;
    throw std::logic_error(control);
}

// The bytes with a value of the control where the generation keeps it
// (unchanged when it keeps none).
QByteArray With_Value(const QByteArray& bytes, Generation generation, const char* control, std::int64_t number,
                      const QString& text = {})
{
    const Expected& item = Expected_Of(control);
    const At& at = Place(item, generation);
    return at.Held() ? With(bytes, at, Stored(item, at, {number, text, {}})) : bytes;
}

// Cabin number "xvi - APHONE A, 1, SDU 1": element 2 of the numbers.
At Cabin_A1(Generation generation)
{
    const bool long_record = generation == Generation::V8 || generation == Generation::V14;
    return {(long_record ? 17720 : 6320) + 2 * 19, 19};
}

// The labels of the "***" lines, in report order.
QStringList Out_Of_Range_Labels(const QStringList& lines)
{
    static const QRegularExpression label(QStringLiteral("^\\*\\*\\* Item (.*) - Value out of range"));
    QStringList labels;
    for (const QString& line : lines)
        labels << label.match(line).captured(1);
    return labels;
}

} // namespace

// A text longer than its box is cut to the box in every generation, with
// one "***" line that names the text stored and the text kept (no
// "Default:" line for a value the box never holds), and is saved as kept.
TEST_F(UserItemsTest, EachCutTextHasOneOutOfRangeLine)
{
    struct Cut {
        const char* Control; // nullptr: the cabin number
        const char* Label;
        QString Stored;
        QString Kept;
    };
    const Cut cuts[] = {
        {"Control_34", "xxxiv", QStringLiteral("ABCDE"), QStringLiteral("ABCD")},
        {"Control_33", "xxxiii", QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY"),
         QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWX")},
        {"Control_69(0)", "lxix - SDU 1", QStringLiteral("ABCDEFGHIJKLMNOP"), QStringLiteral("ABCDEFGHIJKLMNO")},
        {nullptr, "xvi - APHONE A, 1, SDU 1", QStringLiteral("1234567890123456789"),
         QStringLiteral("123456789012345678")},
    };
    for (const Generation_Case& gen : CASES) {
        SCOPED_TRACE(gen.Name);
        auto set = Make_Pages();
        Page_Set& pages = *set;
        QByteArray bytes = gen.Factory(pages);
        gen.Set_Versions();
        for (const Cut& cut : cuts)
            bytes = cut.Control ? With_Value(bytes, gen.Which, cut.Control, 0, cut.Stored)
                                : With(bytes, Cabin_A1(gen.Which), cut.Stored.toLatin1());
        QStringList entries;
        Out_Of_Range_Lines(gen, pages, bytes, &entries);
        const QByteArray saved = Save(gen, pages);
        for (const Cut& cut : cuts) {
            if (cut.Control && !Place(Expected_Of(cut.Control), gen.Which).Held())
                continue;
            SCOPED_TRACE(cut.Label);
            const QString item = QStringLiteral("Item ") + QLatin1String(cut.Label) + QStringLiteral(" - ");
            const QStringList lines = entries.filter(item);
            ASSERT_EQ(lines, QStringList{QStringLiteral("*** ") + item + QStringLiteral("Value out of range, was: ")
                                         + cut.Stored})
                << entries.join(QLatin1Char('\n')).toStdString();
            const qsizetype next = entries.indexOf(lines.front()) + 1;
            ASSERT_LT(next, entries.size());
            EXPECT_TRUE(entries.at(next).endsWith(QStringLiteral("Changed to: ") + cut.Kept));
            const At at = cut.Control ? Place(Expected_Of(cut.Control), gen.Saved_As) : Cabin_A1(gen.Saved_As);
            EXPECT_EQ(saved.mid(at.Offset, cut.Kept.size() + 1), cut.Kept.toLatin1() + '\0');
        }
    }
}

// A file the editor saved reopens into a fresh page set without a "***"
// line, a New ORT's without any line, and saves again byte for byte: texts
// keep no blanks that the load made of refused characters at their ends,
// and a stored text that is the default but for its last blank keeps the
// default's blank.
TEST_F(UserItemsTest, ASavedFileReopensAndSavesTheSame)
{
    for (const Generation_Case& gen : CASES) {
        if (gen.Which == Generation::V5)
            continue; // never saved
        SCOPED_TRACE(gen.Name);
        auto set = Make_Pages();
        QByteArray bytes = gen.Factory(*set);
        gen.Set_Versions();
        QStringList entries;
        Out_Of_Range_Lines(gen, *set, bytes, &entries);
        EXPECT_EQ(entries, QStringList{});
        EXPECT_EQ(Text(First_Difference(Save(gen, *set), bytes)), "");

        bytes = With_Value(bytes, gen.Which, "Control_69(0)", 0, QStringLiteral("~AB~"));
        bytes = With_Value(bytes, gen.Which, "Control_81user(0)", 0, QStringLiteral("~CD"));
        bytes = With_Value(bytes, gen.Which, "Control_82a(0)", 0, QStringLiteral("EF~"));
        Load(gen, *set, bytes);
        const QByteArray first = Save(gen, *set);
        auto fresh = Make_Pages();
        EXPECT_EQ(Out_Of_Range_Lines(gen, *fresh, first), QStringList{});
        EXPECT_EQ(Text(First_Difference(Save(gen, *fresh), first)), "");
    }
}

// Item 61's flag bytes that no entry writes load as the list's default
// with a "***" line, and are saved as the default's flags.
TEST_F(UserItemsTest, Item61FlagsOfNoEntryLoadAsTheDefaultWithALine)
{
    struct Flags {
        const Generation_Case* Gen;
        std::vector<std::pair<int, int>> Stored; // offset, byte
        std::vector<std::pair<int, int>> Saved;
        int Index;                                // loaded; -1: the default with a line
    };
    const Generation_Case& v8 = CASES[1];
    const Generation_Case& v11 = CASES[2];
    const Generation_Case& v14 = CASES[3];
    const std::vector<std::pair<int, int>> default_8_14 = {{18556, 0}, {18558, 1}, {18568, 1}};
    const Flags cases[] = {
        {&v8, {{18556, 1}, {18558, 0}, {18568, 0}}, {{18556, 1}, {18558, 0}, {18568, 0}}, 2},
        {&v8, {{18556, 0}, {18558, 1}, {18568, 0}}, default_8_14, -1}, // key 2
        {&v8, {{18556, 1}, {18558, 0}, {18568, 1}}, default_8_14, -1}, // key 5
        {&v8, {{18556, 2}, {18558, 1}, {18568, 0}}, default_8_14, -1},
        {&v14, {{18556, 2}, {18558, 1}, {18568, 0}}, default_8_14, -1},
        {&v14, {{18556, 1}, {18558, 1}, {18568, 1}}, {{18556, 1}, {18558, 1}, {18568, 1}}, 1},
        {&v11, {{7156, 2}, {7158, 1}}, {{7156, 0}, {7158, 1}}, -1},
        {&v11, {{7156, 1}, {7158, 0}}, {{7156, 1}, {7158, 0}}, 2},
    };
    for (const Flags& flags : cases) {
        const Generation_Case& gen = *flags.Gen;
        SCOPED_TRACE(gen.Name);
        SCOPED_TRACE(flags.Stored.front().second);
        auto set = Make_Pages();
        Page_Set& pages = *set;
        QByteArray bytes = gen.Factory(pages);
        gen.Set_Versions();
        for (const auto& [offset, value] : flags.Stored)
            bytes[offset] = static_cast<char>(value);
        const QComboBox* box = pages.General().Control_61;
        const QStringList lines = Out_Of_Range_Lines(gen, pages, bytes);
        if (flags.Index >= 0) {
            EXPECT_EQ(lines, QStringList{});
            EXPECT_EQ(box->currentIndex(), flags.Index);
        } else {
            EXPECT_EQ(lines, QStringList{QStringLiteral("*** Item lxi - Value out of range, changed to: ")
                                         + box->itemText(4)});
            EXPECT_EQ(box->currentIndex(), 4);
        }
        const QByteArray saved = Save(gen, pages);
        for (const auto& [offset, value] : flags.Saved)
            EXPECT_EQ(static_cast<std::uint8_t>(saved.at(offset)), value) << offset;
    }
}

// The "***" lines of a file with many bad values come in the order of each
// generation's load steps.
TEST_F(UserItemsTest, OutOfRangeLinesFollowTheLoadSteps)
{
    const QStringList head = {QStringLiteral("iv"), QStringLiteral("xxxiv"), QStringLiteral("xl-a"),
                              QStringLiteral("lviii")};
    const QStringList cabin = {QStringLiteral("xlix-0"), QStringLiteral("xiii"), QStringLiteral("xxv-SDU 1"),
                               QStringLiteral("xlv-SDU 1, APHONE 1"), QStringLiteral("xlv-SDU 1, APHONE 1, Type"),
                               QStringLiteral("lxii")};
    const std::map<Generation, QStringList> expected = {
        {Generation::V5, head + cabin + QStringList{QStringLiteral("xxvi-SDU 1"), QStringLiteral("xxxiii")}},
        {Generation::V8, head + QStringList{QStringLiteral("lxi")} + cabin
                             + QStringList{QStringLiteral("lxix - SDU 1"), QStringLiteral("xxvi-SDU 1"),
                                           QStringLiteral("xxxiii")}},
        {Generation::V11, head + QStringList{QStringLiteral("lxi")} + cabin
                              + QStringList{QStringLiteral("xxvi-SDU 1"), QStringLiteral("xxxiii")}},
        {Generation::V14, head + QStringList{QStringLiteral("lxi")} + cabin
                              + QStringList{QStringLiteral("lxix - SDU 1"), QStringLiteral("xxvi-SDU 1"),
                                            QStringLiteral("xxxiii"), QStringLiteral("civ-0")}},
    };
    for (const Generation_Case& gen : CASES) {
        SCOPED_TRACE(gen.Name);
        auto set = Make_Pages();
        QByteArray bytes = gen.Factory(*set);
        gen.Set_Versions();
        const Generation g = gen.Which;
        bytes = With_Value(bytes, g, "Control_33", 0, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY"));
        bytes = With_Value(bytes, g, "Control_26a(0)", 2);
        bytes = With_Value(bytes, g, "Control_69(0)", 0, QStringLiteral("ABCDEFGHIJKLMNOP"));
        bytes = With_Value(bytes, g, "Control_62", 251);
        bytes = With_Value(bytes, g, "Control_45_1b1", 2);
        bytes = With_Value(bytes, g, "Control_45_1a1", 1000);
        bytes = With_Value(bytes, g, "Control_25a", 0, QStringLiteral("12A4"));
        bytes = With_Value(bytes, g, "Control_13", 4);
        bytes = With_Value(bytes, g, "Control_49(0)", 100);
        bytes = With_Value(bytes, g, "Control_58", 2);
        bytes = With_Value(bytes, g, "Control_40a", 2);
        bytes = With_Value(bytes, g, "Control_34", 0, QStringLiteral("ABCDE"));
        bytes = With_Value(bytes, g, "Control_04", 3);
        bytes = With_Value(bytes, g, "Control_104(0)", 9);
        // Item 61 flags that no entry writes: generations 8 and 14 A0 0,
        // A2 1, B0 0; generation 11 A 2.
        if (g == Generation::V8 || g == Generation::V14) {
            bytes[18556] = 0;
            bytes[18558] = 1;
            bytes[18568] = 0;
        }
        if (g == Generation::V11)
            bytes[7156] = 2;
        EXPECT_EQ(Out_Of_Range_Labels(Out_Of_Range_Lines(gen, *set, bytes)), expected.at(g));
    }
}
