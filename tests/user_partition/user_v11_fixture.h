#pragma once
// The user-partition page fixture for the two short user records
// (generations 11 and 5): both program-wide records cleared before and after
// each test, byte access to the generation-11 record, and the report text.

#include "editor/user_partition/user_mod.h"
#include "editor/user_partition/user_record_v11.h"
#include "editor/user_partition/user_record_v5.h"
#include "user_fixture.h"

namespace usertest {

// Offsets in both short records: an entry of the 25-entry cockpit directory
// and a cabin number (SDU 0 or 1, position, channel A 0 or B 1).
inline int Directory_Offset(int category, int entry)
{
    return 2458 + 38 * (category * 25 + entry);
}
inline int Cabin_Offset(int sdu, int position, int channel)
{
    return 6320 + 19 * (sdu * 20 + 2 * position + channel);
}

class ShortRecordTest : public UserPagesTest {
protected:
    ShortRecordTest()
    {
        User_Mod::User_Record_V11().Clear();
        User_Mod::User_Record_V5().Clear();
    }
    ~ShortRecordTest() override
    {
        User_Mod::User_Record_V11().Clear();
        User_Mod::User_Record_V5().Clear();
    }

    static QByteArray V11() { return User_Mod::User_Record_V11().Bytes(); }
    static int V11_Byte(int offset) { return static_cast<std::uint8_t>(V11().at(offset)); }
    static std::int64_t V11_Number(int offset, int width) { return Number_In(V11(), offset, width); }
    static bool V11_Zero(int begin, int end)
    {
        return V11().mid(begin, end - begin) == QByteArray(end - begin, '\0');
    }

    // A generation-11 ORT of the given levels with the factory defaults.
    void New_V11(int revision = 1, int feature = 5, int airframer = 0)
    {
        Set_User_Current(11, revision, feature, airframer);
        User_Mod::Set_User_Defaults_New(*pages);
    }

    // The record as a loaded file of `type` into freshly defaulted pages of
    // a generation-11 target, and back into the record.
    void Reload_V11(int type = 11, int feature = 5, int airframer = 0, int revision = 1)
    {
        Set_User_Loaded(type, revision);
        Set_User_Current(11, revision, feature, airframer);
        User_Mod::Convert_User(*pages);
    }

    QString Report_Text() { return Report_Entries().join(QLatin1Char('\n')); }
};

} // namespace usertest
