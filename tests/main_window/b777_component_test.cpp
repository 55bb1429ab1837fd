// The Boeing 777 upload with the real writer component, created by its
// ProgID from a registration store of the test's own: the load files around
// the editor's image and report, byte for byte where the editor's data go
// in, and the component's refusals seen from the editor.
#include "b777_test_support.h"
#include "disk_test_support.h"
#include "editor/main_window/disk_b777.h"
#include "platform/component_host.h"
#include "platform/component_loader.h"
#include "support/scripted_messages.h"

#include <QDir>
#include <gtest/gtest.h>
#include <numeric>
#include <vector>

using namespace b777_test;
using main_window::B777_Upload_Job;
using main_window::Write_B777_Upload;

namespace {

#ifdef QUARNEL_LIBRARY_FILE
const QString kLibrary = QStringLiteral(QUARNEL_LIBRARY_FILE);
#endif

class B777_Component_Test : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifndef QUARNEL_LIBRARY_FILE
        GTEST_SKIP() << "the writer component is not part of this build";
#endif
        rc::Set_Pause_Service([this](int ms) { pauses.push_back(ms); });
    }
    void TearDown() override { rc::Set_Pause_Service({}); }

    void Register()
    {
#ifdef QUARNEL_LIBRARY_FILE
        ASSERT_EQ(rc::Register_Server(kLibrary, store), rc::RC_OK);
#endif
    }

    B777_Upload_Job Job()
    {
        B777_Upload_Job job;
        job.Folder = Folder();
        job.Hooks = &hooks;
        job.Ask_Identifier = [this] {
            ++asked;
            return identifier;
        };
        job.Services = fields.Services();
        job.Services.Store_Path = store.Path();
        return job;
    }

    QString Folder() const { return QDir::cleanPath(dir.path()) + QLatin1Char('/'); }
    QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }

    testsupport::ScriptedMessages boxes;
    QTemporaryDir dir;
    QTemporaryDir store_dir;
    rc::Registration_Store store{store_dir.path() + QStringLiteral("/components.json")};
    Disk_Test_Host host;
    main_window::Disk_Hooks hooks = host.Hooks();
    Description_Fields fields;
    std::vector<int> pauses;
    QString identifier = QStringLiteral("DSK-PN-0001\tDAT-PN-0002\tABC\t58A6C");
    int asked = 0;
};

TEST_F(B777_Component_Test, Load_Files_Around_The_Image_And_Report)
{
    Register();
    ASSERT_TRUE(Write_B777_Upload(Job()));
    EXPECT_TRUE(boxes.Boxes().isEmpty()) << boxes.Texts().join('|').toStdString();
    EXPECT_EQ(Files(), (QStringList{"ABC58A6C.001", "ABC58A6C.HDR", "ABC58A6C.TXT", "CONFIG.LDR",
                                    "DISK.DIR", "NON_LOAD.CRC"}));
    EXPECT_EQ(fields.texts.Secured, kLoadPN);
    EXPECT_EQ(fields.texts.User, kLoadPN);

    const QByteArray image = Read_File(Folder() + "ABC58A6C.001");
    const QByteArray report = Read_File(Folder() + "ABC58A6C.TXT");
    ASSERT_EQ(image, QByteArray("ORT-IMAGE"));

    const QByteArray non_load = Read_File(Folder() + "NON_LOAD.CRC");
    const std::uint16_t report_crc = Crc16(report);
    EXPECT_EQ(non_load, QByteArray("ABC58A6CTXT\x01", 12) + char(report_crc >> 8) + char(report_crc & 0xFF));

    const QByteArray disk_dir = Read_File(Folder() + "DISK.DIR");
    ASSERT_EQ(disk_dir.size(), 40);
    EXPECT_EQ(disk_dir.mid(2, 15), QByteArray("DSK-PN-0001    "));
    EXPECT_EQ(disk_dir.mid(22, 15), kLoadPN.toLatin1());
    EXPECT_EQ(Get_BE(disk_dir, 20, 2), Crc16(disk_dir.left(20) + disk_dir.mid(22)));

    const QByteArray header = Read_File(Folder() + "ABC58A6C.HDR");
    ASSERT_EQ(header.size(), 52);
    EXPECT_EQ(header.mid(2, 15), kLoadPN.toLatin1());
    EXPECT_EQ(Get_BE(header, 28, 3), 5u); // nine bytes are five words
    EXPECT_EQ(header.mid(31, 3), QByteArray("001"));
    EXPECT_EQ(header.mid(34, 15), QByteArray("DAT-PN-0002    "));
    EXPECT_EQ(Get_BE(header, 50, 2), Crc16(image));
    EXPECT_EQ(Get_BE(header, 24, 2), Crc16(header.left(20) + header.mid(26)));
    EXPECT_EQ(Get_BE(header, 20, 4), Crc32(header.left(20) + header.mid(24) + image));

    EXPECT_EQ(Read_File(Folder() + "CONFIG.LDR"),
              QByteArray("LBL=226\r\nB1D=1H,1H,307\r\nB2D=0H,0H,000\r\nB3D=0H,0H,000\r\n"
                         "B4D=0H,0H,000\r\nB1P=1\r\nB2P=0\r\nB3P=0\r\nB4P=0\r\nTDO=2\r\n"
                         "B1T=ABC58A6C.001, F\r\n\x1A"));

    // The progress window was on, its pauses injected: 500 ms after showing,
    // after each of the fourteen steps, and 1000 ms after "Finished !".
    EXPECT_EQ(pauses.size(), 16u);
    EXPECT_EQ(std::accumulate(pauses.begin(), pauses.end(), 0), 8500);
    EXPECT_EQ(host.baseline, 0x1111);
}

TEST_F(B777_Component_Test, Not_Registered_Gives_Only_The_Creation_Error)
{
    ASSERT_FALSE(store.Find_Clsid(QStringLiteral("Quarnel.BoeingFileData.1")));
    EXPECT_FALSE(Write_B777_Upload(Job()));
    EXPECT_EQ(asked, 1);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Error: 800401F3"));
    EXPECT_EQ(boxes.Boxes()[0].icon, platform::MsgIcon::Critical);
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_TRUE(fields.sets.isEmpty());
    EXPECT_TRUE(host.calls.isEmpty());
}

TEST_F(B777_Component_Test, A_Registered_Library_That_Is_Gone)
{
    rc::Class_Registration reg;
    reg.clsid = quarnel::CLSID_BoeingFileData;
    reg.description = QStringLiteral("BoeingFileData Class");
    reg.prog_id = QStringLiteral("Quarnel.BoeingFileData.1");
    reg.version_independent_prog_id = QStringLiteral("Quarnel.BoeingFileData");
    reg.threading_model = QStringLiteral("Apartment");
    reg.library_path = store_dir.path() + QStringLiteral("/gone/libQuarnel.so");
    ASSERT_TRUE(store.Register_Class(reg));
    EXPECT_FALSE(Write_B777_Upload(Job()));
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("Error: 8007007E")});
    EXPECT_TRUE(Files().isEmpty());
}

TEST_F(B777_Component_Test, The_Components_Own_Refusal_Comes_First)
{
    Register();
    struct Row {
        const char* identifier;
        const char* component_box;
    };
    const Row rows[] = {
        {"DSK\tDAT\tABC\t58Q6C", "Invalid character 'I', 'O', 'Q', or 'Z'"},
        {"DSK-PN-000000001\tDAT\tABC\t58A6C", "Diskette Part Number longer than 15 characters!"},
        {"DSK\tDAT\tA-C\t58A6C", "Non-alphanumeric character entered for Manufacturer ID!"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.identifier);
        boxes.Clear();
        identifier = QString::fromLatin1(row.identifier);
        EXPECT_FALSE(Write_B777_Upload(Job()));
        ASSERT_EQ(boxes.Boxes().size(), 2) << boxes.Texts().join('|').toStdString();
        EXPECT_EQ(boxes.Boxes()[0].text, QString::fromLatin1(row.component_box));
        EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("ERROR"));
        EXPECT_EQ(boxes.Boxes()[0].icon, platform::MsgIcon::Exclamation);
        EXPECT_TRUE(boxes.Boxes()[0].unowned);
        EXPECT_EQ(boxes.Boxes()[1].text, QStringLiteral("Error in setUploadParameters(...)"));
        EXPECT_EQ(boxes.Boxes()[1].icon, platform::MsgIcon::Critical);
        EXPECT_TRUE(Files().isEmpty());
        EXPECT_TRUE(fields.sets.isEmpty()); // validation never ran
    }
}

} // namespace
