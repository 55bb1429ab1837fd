// The Boeing 777 upload from the main window's Create Upload Disk command to
// the load files: the real component from a store of the test's own, the
// load part number in the window's description fields and in the image,
// the upload dialog's showing, hiding and closing.
#include "b777_test_support.h"
#include "main_window_fixture.h"

#include "editor/main_window/disk_b777_main.h"
#include "editor/main_window/disk_commands.h"
#include "editor/main_window/disk_folder_chooser.h"
#include "editor/main_window/ort_type_options.h"
#include "editor/main_window/upload_disk_dialog.h"
#include "editor/page_set/page_set.h"
#include "platform/component_host.h"
#include "platform/atomic_file.h"
#include "platform/component_loader.h"

#include <QDir>
#include <QLineEdit>
#include <QMap>
#include <QTemporaryDir>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace b777_test;

namespace {

class B777_Main_Test : public MainWindowTest {
protected:
    void SetUp() override
    {
#ifndef QUARNEL_LIBRARY_FILE
        GTEST_SKIP() << "the writer component is not part of this build";
#else
        ASSERT_EQ(rc::Register_Server(QStringLiteral(QUARNEL_LIBRARY_FILE), store), rc::RC_OK);
#endif
        rc::Set_Pause_Service([this](int ms) { pauses.push_back(ms); });
        main->Type_Dialog().Select_Option(
            main->Type_Dialog().Option(main_window::Find_Type_Option(QStringLiteral("Option_012")), 1));
        main->Type_Dialog().OK_Click();
        ASSERT_TRUE(main->Is_ORT_Loaded());
        main->Set_ORT_Description(QStringLiteral("OLD SECURED"), QStringLiteral("OLD USER"));
        main->set_Last_Saved_CRC(0x4321);

        Upload().Set_Identifier_Asker([this](main_window::Identifier_Kind kind) {
            EXPECT_EQ(kind, main_window::Identifier_Kind::B777);
            shown_while_asking = Upload().isVisible();
            return identifier;
        });
        main_window::B777_Services services = Upload().Get_B777_Services();
        services.Store_Path = store.Path();
        Upload().Set_B777_Services(services);
        ASSERT_TRUE(Upload().Folder()->Set_Path(dir.path()));
        Upload().Loader_File_Option_Click(1);
        QObject::connect(&Upload(), &QDialog::finished, [this](int result) { finished << result; });
    }
    void TearDown() override { rc::Set_Pause_Service({}); }

    Create_Upload_Disk_Dialog& Upload() const { return program->Disks().Upload_Dialog(); }
    QString Folder() const { return QDir::cleanPath(dir.path()) + QLatin1Char('/'); }
    QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }
    QString Description(const char* name) const
    {
        return main->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    }

    // Runs Create Upload Disk and presses OK once the dialog shows; a dialog
    // still showing after that is cancelled, so no test can hang.
    void Create_Upload_Disk()
    {
        QTimer::singleShot(0, main, [this] {
            EXPECT_EQ(QApplication::activeModalWidget(), &Upload());
            Upload().OKButton_Click();
            shown_after_ok = Upload().isVisible();
            if (Upload().isVisible())
                Upload().CancelButton_Click();
        });
        main->Menu_Action(QStringLiteral("mnuCreateUploadDisk"))->trigger();
    }

    QTemporaryDir dir;
    QTemporaryDir store_dir;
    rc::Registration_Store store{store_dir.path() + QStringLiteral("/components.json")};
    std::vector<int> pauses;
    QString identifier = QStringLiteral("DSK-PN-0001\tDAT-PN-0002\tABC\t58A6C");
    QList<int> finished;
    bool shown_while_asking = true;
    bool shown_after_ok = true;
};

TEST_F(B777_Main_Test, Create_Upload_Disk_Writes_A_Boeing_777_Disk)
{
    const std::int32_t config = core::Versions().Partition_Config;
    const QString secured_before = Description("Control_53");
    const QString user_before = Description("Control_33");
    Create_Upload_Disk();
    EXPECT_TRUE(boxes.Boxes().isEmpty()) << boxes.Texts().join('|').toStdString();
    EXPECT_FALSE(shown_while_asking);
    EXPECT_FALSE(shown_after_ok);
    EXPECT_EQ(finished, QList<int>{QDialog::Accepted});
    EXPECT_EQ(Files(), (QStringList{"ABC58A6C.001", "ABC58A6C.HDR", "ABC58A6C.TXT", "CONFIG.LDR",
                                    "DISK.DIR", "NON_LOAD.CRC"}));

    // The load part number is in the description of each partition present,
    // and so in the image written after it.
    const bool secured = config == core::PARTITION_SECURED || config == core::PARTITION_COMPOSITE;
    const bool user = config == core::PARTITION_USER || config == core::PARTITION_COMPOSITE;
    EXPECT_EQ(Description("Control_53"), secured ? kLoadPN : secured_before);
    EXPECT_EQ(Description("Control_33"), user ? kLoadPN : user_before);
    EXPECT_TRUE(user);
    const QByteArray image = Read_File(Folder() + "ABC58A6C.001");
    EXPECT_TRUE(image.startsWith("OH"));
    EXPECT_TRUE(image.contains(kLoadPN.toLatin1()));
    EXPECT_FALSE(image.contains("OLD USER"));

    // The report names the image and the loader; the header file ties the
    // image in with its CRC and length.
    const QByteArray report = Read_File(Folder() + "ABC58A6C.TXT");
    EXPECT_TRUE(report.contains((Folder() + "ABC58A6C.001").toLatin1()));
    EXPECT_TRUE(report.contains("Auto Mode - B777 AIMS"));
    EXPECT_TRUE(report.contains(kLoadPN.toLatin1()));
    const QByteArray header = Read_File(Folder() + "ABC58A6C.HDR");
    ASSERT_EQ(header.size(), 52);
    EXPECT_EQ(Get_BE(header, 50, 2), Crc16(image));
    EXPECT_EQ(Get_BE(header, 28, 3), static_cast<std::uint32_t>((image.size() + 1) / 2));
    EXPECT_EQ(Get_BE(header, 20, 4), Crc32(header.left(20) + header.mid(24) + image));
    const QByteArray non_load = Read_File(Folder() + "NON_LOAD.CRC");
    EXPECT_EQ(Get_BE(non_load, 12, 2), Crc16(report));

    // Writing a disk is not a save; the changed description is a change.
    EXPECT_EQ(main->get_Last_Saved_CRC(), 0x4321);
    EXPECT_EQ(pauses.size(), 16u);
}

TEST_F(B777_Main_Test, A_Cancelled_Identifier_Brings_The_Dialog_Back)
{
    identifier.clear();
    Create_Upload_Disk();
    EXPECT_FALSE(shown_while_asking);
    EXPECT_TRUE(shown_after_ok);
    EXPECT_EQ(finished, QList<int>{QDialog::Rejected}); // the test's own cancel
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    EXPECT_EQ(Description("Control_33"), QStringLiteral("OLD USER"));
}

TEST_F(B777_Main_Test, A_Refused_Validation_Leaves_The_Descriptions_As_They_Were)
{
    // A component that refuses the validation after reporting the number.
    Writer_Log log;
    Writer_Script script;
    script.validate = {rc::RC_FALSE, rc::BOOL16_FALSE};
    main_window::B777_Services services = Upload().Get_B777_Services();
    services.Create_Writer = [&](rc::Ref<quarnel::IBoeingFileData>& out) {
        out = rc::Ref<quarnel::IBoeingFileData>::Adopt(Fake_Writer::Make(script, log).detach());
        return rc::RC_OK;
    };
    Upload().Set_B777_Services(services);
    QStringList descriptions_seen;
    QObject::connect(main->findChild<QLineEdit*>(QStringLiteral("Control_33")), &QLineEdit::textChanged,
                     [&](const QString& text) { descriptions_seen << text; });

    const QString secured_before = Description("Control_53");
    Create_Upload_Disk();
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("Error in validateFileData()")});
    EXPECT_FALSE(shown_after_ok); // hidden with its choices until the next command
    EXPECT_TRUE(finished.isEmpty());
    EXPECT_EQ(Upload().Loader_Index(), 1);
    EXPECT_EQ(descriptions_seen, (QStringList{kLoadPN, QStringLiteral("OLD USER")}));
    EXPECT_EQ(Description("Control_33"), QStringLiteral("OLD USER"));
    EXPECT_EQ(Description("Control_53"), secured_before);
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_EQ(log.destroyed, 1);
}

TEST_F(B777_Main_Test, The_Window_Services_Read_And_Write_Its_Own_Fields)
{
    main_window::B777_Services services = main_window::Main_B777_Services(*main);
    EXPECT_TRUE(services.Store_Path.isEmpty()); // the default store
    EXPECT_FALSE(services.Create_Writer);
    main->findChild<QLineEdit*>(QStringLiteral("Control_53"))->setText(QStringLiteral("S-TEXT"));
    main->findChild<QLineEdit*>(QStringLiteral("Control_33"))->setText(QStringLiteral("U-TEXT"));
    const main_window::ORT_Descriptions texts = services.Get_ORT_Description();
    EXPECT_EQ(texts.Secured, QStringLiteral("S-TEXT"));
    EXPECT_EQ(texts.User, QStringLiteral("U-TEXT"));
    services.Set_ORT_Description(QStringLiteral("A"), QStringLiteral("B"));
    EXPECT_EQ(Description("Control_33"), QStringLiteral("B"));
}

} // namespace

namespace {

// Every name the file system takes can be saved; a save cut off before its
// end leaves nothing beside its target; and a read-only file is refused
// alike by Save, by the ASCII-hex save and by the load-file writer.
TEST_F(B777_Main_Test, Long_Names_Cut_Off_Saves_And_Read_Only_Files)
{
    const auto entries = [this] {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                              QDir::NoDotAndDotDot,
                                          QDir::Name);
    };
    const QString long_name = QString(251, QLatin1Char('L')) + QStringLiteral(".cfg");
    ASSERT_EQ(QFile::encodeName(long_name).size(), 255);
    main->Current_File = Folder() + long_name;
    EXPECT_TRUE(commands->mnuSave_Click());
    EXPECT_TRUE(boxes.Boxes().isEmpty()) << boxes.Texts().join('|').toStdString();
    const QByteArray saved = Read_File(Folder() + long_name);
    EXPECT_TRUE(saved.startsWith("OH"));

    // A save whose process ends before the commit, as a kill would end it.
    const pid_t child = ::fork();
    if (child == 0) {
        auto* cut_off = new platform::Atomic_File(Folder() + QStringLiteral("cut.cfg"));
        if (cut_off->Open().Ok())
            static_cast<void>(cut_off->Write(QByteArray(5000, 'x')));
        ::raise(SIGKILL);
        ::_exit(1);
    }
    ASSERT_GT(child, 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_EQ(entries(), QStringList{long_name});

    // Read-only targets: the same refusal and the same box everywhere.
    ASSERT_TRUE(QFile::setPermissions(Folder() + long_name, QFileDevice::ReadOwner));
    main->Set_ORT_Description(QStringLiteral("S"), QStringLiteral("CHANGED"));
    EXPECT_FALSE(commands->mnuSave_Click());
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, Folder() + long_name);
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("File Already Open or In Use"));
    EXPECT_EQ(boxes.Boxes()[0].icon, platform::MsgIcon::Critical);
    EXPECT_EQ(Read_File(Folder() + long_name), saved);

    const QString hex = Folder() + QStringLiteral("ro.Hex");
    QFile hex_file(hex);
    ASSERT_TRUE(hex_file.open(QIODevice::WriteOnly));
    hex_file.write("4F48\r\n\r\n");
    hex_file.close();
    ASSERT_TRUE(QFile::setPermissions(hex, QFileDevice::ReadOwner));
    main->Current_File = hex;
    main->Current_Is_Ascii_Hex = true;
    boxes.Clear();
    EXPECT_FALSE(commands->mnuSave_Click());
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, hex);
    EXPECT_EQ(boxes.Boxes()[0].title, QStringLiteral("File Already Open or In Use"));
    EXPECT_EQ(Read_File(hex), QByteArray("4F48\r\n\r\n"));

    QFile dir_file(Folder() + QStringLiteral("DISK.DIR"));
    ASSERT_TRUE(dir_file.open(QIODevice::WriteOnly));
    dir_file.write("old");
    dir_file.close();
    ASSERT_TRUE(QFile::setPermissions(dir_file.fileName(), QFileDevice::ReadOwner));
    boxes.Clear();
    Create_Upload_Disk();
    EXPECT_EQ(boxes.Texts(), (QStringList{QStringLiteral("Error writing DISK.DIR!"),
                                          QStringLiteral("Error in write777Files()")}));
    EXPECT_EQ(Read_File(dir_file.fileName()), QByteArray("old"));
    EXPECT_FALSE(QFile::exists(Folder() + QStringLiteral("NON_LOAD.CRC")));
}

} // namespace

namespace {

// An upload that fails at the commit of any load file leaves the older disk
// in the folder byte for byte, image and report included, and names the step
// whose file failed.
TEST_F(B777_Main_Test, A_Failed_Upload_Leaves_The_Older_Disk_Whole)
{
    const auto contents = [this] { return Folder_Contents(dir.path()); };
    Create_Upload_Disk();
    ASSERT_TRUE(boxes.Boxes().isEmpty()) << boxes.Texts().join('|').toStdString();
    // An older image and report that no new upload writes again.
    for (const char* name : {"ABC58A6C.001", "ABC58A6C.TXT"}) {
        QFile older_file(Folder() + QString::fromLatin1(name));
        ASSERT_TRUE(older_file.open(QIODevice::Append));
        older_file.write("older");
    }
    const QMap<QString, QByteArray> older = contents();
    ASSERT_EQ(older.size(), 6);

    const std::pair<const char*, const char*> refusals[] = {
        {"CONFIG.LDR", "Error appending codes to CONFIG.LDR file!"},
        {"ABC58A6C.HDR", "Error writing ABC58A6C.HDR file!"},
        {"DISK.DIR", "Error writing DISK.DIR!"},
    };
    for (const auto& [name, message] : refusals) {
        SCOPED_TRACE(name);
        const QString path = Folder() + QString::fromLatin1(name);
        const QFileDevice::Permissions writable = QFile::permissions(path);
        ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner));
        identifier = QStringLiteral("DSK-PN-0002\tDAT-PN-0002\tABC\t58A6C");
        boxes.Clear();
        Create_Upload_Disk();
        EXPECT_EQ(boxes.Texts(), (QStringList{QString::fromLatin1(message),
                                              QStringLiteral("Error in write777Files()")}));
        EXPECT_EQ(contents(), older);
        ASSERT_TRUE(QFile::setPermissions(path, writable));
    }
}

} // namespace
