#pragma once
// Page sets with factory defaults and stand-in main-window controls, the
// version state of a generation-14 user partition, the program-wide record
// cleared, recorded message boxes and a conversion report read back.

#include "editor/core/ort_types.h"
#include "editor/core/type_choice.h"
#include "editor/page_set/page_set.h"
#include "editor/user_partition/user_defaults.h"
#include "editor/user_partition/user_presentation.h"
#include "editor/user_partition/user_record_v14.h"
#include "record_bytes.h"
#include "user_fixture.h"

#include <memory>

namespace v14test {

inline void Set_Current(int revision, int feature = 5, int airframer = 0)
{
    usertest::Set_User_Current(14, revision, feature, airframer);
}

// A loaded file of `type` (14 or 15) into the generation-14 partition.
inline void Set_Loaded(int type, int revision)
{
    usertest::Set_User_Loaded(type, revision);
    core::Versions().User_Loaded.Partition_Version = 14;
}

class V14Test : public usertest::ReportTest {
protected:
    V14Test()
    {
        core::Reset_Versions();
        core::Reset_Chosen_Type();
        User_Mod::Reset_User_Record_V14();
        Set_Current(1);
        Set_Loaded(14, 1);
        pages = Make_Pages();
    }
    ~V14Test() override
    {
        report.reset();
        core::Reset_Versions();
        core::Reset_Chosen_Type();
        User_Mod::Reset_User_Record_V14();
    }

    // A page set holding the factory defaults.
    static std::unique_ptr<Page_Set> Make_Pages()
    {
        auto set = std::make_unique<Page_Set>();
        set->Create_Stand_In_Main_Controls();
        User_Mod::Set_Default_Tables();
        User_Mod::Set_Factory_Defaults(*set);
        return set;
    }

    static QByteArray Bytes() { return User_Mod::User_Record_V14().Bytes(); }
    static int Byte_At(int offset) { return static_cast<std::uint8_t>(Bytes().at(offset)); }
    static std::int64_t Number_At(int offset, int width) { return usertest::Number_In(Bytes(), offset, width); }
    // Writes a big-endian number into the program-wide record.
    static void Put_At(int offset, int width, std::int64_t value)
    {
        usertest::Put_Number_Into(User_Mod::User_Record_V14(), offset, width, value);
    }

    std::unique_ptr<Page_Set> pages;
};

} // namespace v14test
