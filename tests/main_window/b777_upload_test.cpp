// The Boeing 777 upload as the editor drives it: the callback object, the
// order of the component calls and the editor's own writes, every failure
// with its box, the descriptions put back after a refused validation, and
// both objects released on every way out. The component here is a stand-in
// that answers from a script.
#include "b777_test_support.h"
#include "disk_test_support.h"
#include "editor/main_window/boeing777_callback.h"
#include "editor/main_window/disk_b777.h"
#include "support/scripted_messages.h"

#include <QDialog>
#include <QDir>
#include <functional>
#include <gtest/gtest.h>

using namespace b777_test;
using main_window::B777_Upload_Job;
using main_window::Write_B777_Upload;
using quarnel::IBoeingFileData;

namespace {

TEST(Boeing777Callback, Puts_The_Part_Number_Into_Both_Descriptions)
{
    QStringList received;
    auto token = std::make_shared<int>(0);
    {
        rc::Ref<Boeing777Callback> callback =
            Boeing777Callback::Make([&received, token](const QString& s, const QString& u) {
                received << s << u;
            });
        EXPECT_EQ(token.use_count(), 2);
        EXPECT_EQ(callback->B777EventPartNumberReady(u"2378-ABC-58A-6C"), rc::RC_OK);
        EXPECT_EQ(received, (QStringList{kLoadPN, kLoadPN}));
        EXPECT_EQ(callback->B777EventPartNumberReady(nullptr), rc::RC_OK);
        EXPECT_EQ(received.mid(2), (QStringList{QString(), QString()}));

        // It is a callback entry and nothing else.
        EXPECT_TRUE(callback.As<quarnel::ICallbackEntry>());
        EXPECT_TRUE(callback.As<rc::IObject>());
        EXPECT_FALSE(callback.As<IBoeingFileData>());
    }
    EXPECT_EQ(token.use_count(), 1); // the last release destroyed it

    // Without a setter it still answers.
    auto bare = Boeing777Callback::Make({});
    EXPECT_EQ(bare->B777EventPartNumberReady(u"X"), rc::RC_OK);
}

class B777_Upload_Test : public ::testing::Test {
protected:
    B777_Upload_Test()
    {
        log.calls = &host.calls;
        hooks = host.Hooks();
        const auto ort_file = hooks.ORT_File;
        hooks.ORT_File = [this, ort_file](const QString& path, QByteArray& bytes, QString& error) {
            at_image = fields.texts;
            return ort_file(path, bytes, error);
        };
    }

    B777_Upload_Job Job()
    {
        B777_Upload_Job job;
        job.Folder = Folder();
        job.Hooks = &hooks;
        job.Ask_Identifier = [this] {
            ++asked;
            if (dialog)
                dialog_shown_while_asking = dialog->isVisible();
            return identifier;
        };
        job.Upload_Dialog = dialog;
        job.Services = fields.Services();
        job.Services.Create_Writer = [this](rc::Ref<IBoeingFileData>& out) {
            if (rc::Failed(create_result))
                return create_result;
            out = rc::Ref<IBoeingFileData>::Adopt(Fake_Writer::Make(script, log).detach());
            return rc::RC_OK;
        };
        return job;
    }

    QString Folder() const { return QDir::cleanPath(dir.path()) + QLatin1Char('/'); }

    // Both objects are gone: the writer destroyed, and no copy of the
    // description setter left but the test's own.
    void Expect_Released(long holders_before) const
    {
        EXPECT_EQ(log.destroyed, log.created);
        EXPECT_EQ(fields.holders.use_count(), holders_before);
    }

    testsupport::ScriptedMessages boxes;
    QTemporaryDir dir;
    Disk_Test_Host host;
    main_window::Disk_Hooks hooks;
    Description_Fields fields;
    Writer_Script script;
    Writer_Log log;
    rc::Result create_result = rc::RC_OK;
    QString identifier = QStringLiteral("DSK-PN 1\tDAT-PN 2\tABC\t58A6C");
    QDialog* dialog = nullptr;
    int asked = 0;
    bool dialog_shown_while_asking = false;
    main_window::ORT_Descriptions at_image{QStringLiteral("<not written>"), QString()};
};

TEST_F(B777_Upload_Test, Calls_In_Order_And_Files_Named_By_The_Identifier)
{
    const long holders = fields.holders.use_count();
    EXPECT_TRUE(Write_B777_Upload(Job()));
    EXPECT_TRUE(boxes.Boxes().isEmpty()) << boxes.Texts().join('|').toStdString();
    const QString image = Folder() + QStringLiteral("ABC58A6C.001");
    EXPECT_EQ(host.calls,
              (QStringList{QStringLiteral("setCallbackAdvise"),
                           QStringLiteral("setProgressDialogOnOff(-1)"),
                           QStringLiteral("setUploadParameters(DSK-PN 1,DAT-PN 2,ABC,58A6C,") +
                               Folder() + QStringLiteral(",1)"),
                           QStringLiteral("validateFileData"), QStringLiteral("ORT ") + image,
                           QStringLiteral("TXT ") + Folder() + QStringLiteral("ABC58A6C.TXT"),
                           QStringLiteral("write777Files")}));
    // The image carries the load part number in both descriptions.
    EXPECT_EQ(at_image.Secured, kLoadPN);
    EXPECT_EQ(at_image.User, kLoadPN);
    EXPECT_EQ(fields.sets, QStringList{kLoadPN + QLatin1Char('|') + kLoadPN});
    // The report names the image and was written while the baseline held
    // its CRC; afterwards the baseline is back.
    EXPECT_EQ(Read_File(Folder() + QStringLiteral("ABC58A6C.TXT")),
              (QStringLiteral("ORT File: ") + image + QStringLiteral("\r\nORT CRC: BEEF\r\n")).toLatin1());
    EXPECT_EQ(host.baseline, 0x1111);
    EXPECT_EQ(log.created, 1);
    Expect_Released(holders);
}

TEST_F(B777_Upload_Test, Lower_Case_Identifiers_Still_Give_Upper_Case_Names)
{
    identifier = QStringLiteral("d\td\tabc\t58a6c");
    EXPECT_TRUE(Write_B777_Upload(Job()));
    EXPECT_TRUE(host.calls.contains(QStringLiteral("ORT ") + Folder() + QStringLiteral("ABC58A6C.001")));
    EXPECT_TRUE(host.calls.contains(QStringLiteral("TXT ") + Folder() + QStringLiteral("ABC58A6C.TXT")));
}

TEST_F(B777_Upload_Test, A_Refused_Progress_Window_Does_Not_Stop_The_Upload)
{
    script.progress = {rc::RC_OK, rc::BOOL16_FALSE};
    EXPECT_TRUE(Write_B777_Upload(Job()));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Error in setProgressDialogOnOff(...)"));
    EXPECT_EQ(boxes.Boxes()[0].icon, platform::MsgIcon::Critical);
    EXPECT_EQ(host.calls.last(), QStringLiteral("write777Files"));
}

// One failing step per row: its box, the last call made, whether the image
// was written and what the descriptions hold afterwards.
struct Failure_Case {
    const char* name;
    std::function<void(Writer_Script&, rc::Result&)> fail;
    const char* box;
    const char* last_call; // nullptr: no call at all
    bool image_written;
    bool part_number_kept; // else the descriptions are as before
};

TEST_F(B777_Upload_Test, Every_Failure_Has_Its_Box_And_Releases_Both_Objects)
{
    const rc::Result bad = rc::Code(0x80070057u);
    const Failure_Case cases[] = {
        {"not registered", [](Writer_Script&, rc::Result& c) { c = rc::Code(0x80040154u); },
         "Error: 80040154", nullptr, false, false},
        {"second callback", [](Writer_Script& s, rc::Result&) { s.advise = rc::Code(0x80010047u); },
         "Error: 80010047", "setCallbackAdvise", false, false},
        {"progress fails", [](Writer_Script& s, rc::Result&) { s.progress = {rc::RC_FAIL, 0}; },
         "Error: 80004005", "setProgressDialogOnOff(-1)", false, false},
        {"parameter refused", [](Writer_Script& s, rc::Result&) { s.upload = {rc::RC_FALSE, 0}; },
         "Error in setUploadParameters(...)", nullptr, false, false},
        {"parameters fail", [bad](Writer_Script& s, rc::Result&) { s.upload = {bad, 0}; },
         "Error: 80070057", nullptr, false, false},
        {"validation refused", [](Writer_Script& s, rc::Result&) { s.validate = {rc::RC_FALSE, 0}; },
         "Error in validateFileData()", "validateFileData", false, false},
        {"no callback", [](Writer_Script& s, rc::Result&) { s.validate = {rc::Code(0x800104B1u), 0}; },
         "Error: 800104B1", "validateFileData", false, false},
        {"load files refused", [](Writer_Script& s, rc::Result&) { s.write = {rc::RC_FALSE, 0}; },
         "Error in write777Files()", "write777Files", true, true},
        {"load files fail", [](Writer_Script& s, rc::Result&) { s.write = {rc::RC_OUT_OF_MEMORY, 0}; },
         "Error: 8007000E", "write777Files", true, true},
    };
    for (const Failure_Case& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.Clear();
        host.calls.clear();
        log = Writer_Log{&host.calls, 0, 0};
        script = Writer_Script{};
        create_result = rc::RC_OK;
        fields = Description_Fields{};
        at_image = {};
        c.fail(script, create_result);
        const long holders = fields.holders.use_count();

        EXPECT_FALSE(Write_B777_Upload(Job()));
        ASSERT_EQ(boxes.Boxes().size(), 1) << boxes.Texts().join('|').toStdString();
        EXPECT_EQ(boxes.Boxes()[0].text, QString::fromLatin1(c.box));
        EXPECT_EQ(boxes.Boxes()[0].icon, platform::MsgIcon::Critical);
        EXPECT_TRUE(boxes.Boxes()[0].title.isEmpty()); // the program's title
        if (c.last_call) {
            EXPECT_EQ(host.calls.value(host.calls.size() - 1), QString::fromLatin1(c.last_call));
        } else if (log.created == 0) {
            EXPECT_TRUE(host.calls.isEmpty());
        }
        EXPECT_EQ(host.calls.contains(QStringLiteral("ORT ") + Folder() + QStringLiteral("ABC58A6C.001")),
                  c.image_written);
        EXPECT_FALSE(host.calls.contains(QStringLiteral("write777Files")) && !c.image_written);
        const QString expected_secured = c.part_number_kept ? kLoadPN : QStringLiteral("SECURED DESC");
        const QString expected_user = c.part_number_kept ? kLoadPN : QStringLiteral("USER DESC");
        EXPECT_EQ(fields.texts.Secured, expected_secured);
        EXPECT_EQ(fields.texts.User, expected_user);
        EXPECT_EQ(host.baseline, 0x1111);
        Expect_Released(holders);
    }
}

TEST_F(B777_Upload_Test, A_Refused_Validation_Puts_Back_The_Descriptions_It_Changed)
{
    // A user-only ORT: the secured field is not there to be changed.
    fields.secured = false;
    fields.texts = {QString(), QStringLiteral("MY ORT")};
    script.validate = {rc::RC_FALSE, rc::BOOL16_FALSE};
    EXPECT_FALSE(Write_B777_Upload(Job()));
    EXPECT_EQ(fields.sets, (QStringList{kLoadPN + QLatin1Char('|') + kLoadPN,
                                        QStringLiteral("|MY ORT")}));
    EXPECT_EQ(fields.texts.User, QStringLiteral("MY ORT"));
    EXPECT_EQ(fields.texts.Secured, QString());
    EXPECT_FALSE(host.calls.contains(QStringLiteral("write777Files")));
}

TEST_F(B777_Upload_Test, File_Errors_Of_The_Image_Or_Report_Stop_Before_The_Load_Files)
{
    host.ort_error = QStringLiteral("cannot open the image");
    const long holders = fields.holders.use_count();
    EXPECT_FALSE(Write_B777_Upload(Job()));
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("Error: cannot open the image")});
    EXPECT_EQ(boxes.Boxes()[0].icon, platform::MsgIcon::Critical);
    EXPECT_FALSE(host.calls.contains(QStringLiteral("write777Files")));
    Expect_Released(holders);

    boxes.Clear();
    host.calls.clear();
    host.ort_error.clear();
    host.report_error = QStringLiteral("disk full");
    EXPECT_FALSE(Write_B777_Upload(Job()));
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("Error: disk full")});
    EXPECT_FALSE(host.calls.contains(QStringLiteral("write777Files")));
    EXPECT_EQ(host.baseline, 0x1111); // put back after the image moved it
    Expect_Released(holders);
}

TEST_F(B777_Upload_Test, A_Cancelled_Identifier_Creates_Nothing_And_Shows_The_Dialog_Again)
{
    QDialog upload;
    upload.show();
    dialog = &upload;
    identifier.clear();
    EXPECT_FALSE(Write_B777_Upload(Job()));
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(dialog_shown_while_asking);
    EXPECT_TRUE(upload.isVisible());
    EXPECT_EQ(log.created, 0);
    EXPECT_TRUE(host.calls.isEmpty());
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    EXPECT_TRUE(fields.sets.isEmpty());

    // A dialog that was not showing is not shown by the cancel.
    upload.hide();
    EXPECT_FALSE(Write_B777_Upload(Job()));
    EXPECT_FALSE(upload.isVisible());
}

TEST_F(B777_Upload_Test, After_A_Later_Failure_The_Dialog_Stays_Hidden)
{
    QDialog upload;
    upload.show();
    dialog = &upload;
    script.upload = {rc::RC_FALSE, rc::BOOL16_FALSE};
    EXPECT_FALSE(Write_B777_Upload(Job()));
    EXPECT_FALSE(dialog_shown_while_asking);
    EXPECT_FALSE(upload.isVisible());
}

TEST_F(B777_Upload_Test, Refusals_Before_The_Component)
{
    // Not linked to the main window: the part number would have nowhere to go.
    B777_Upload_Job job = Job();
    job.Services.Set_ORT_Description = nullptr;
    EXPECT_FALSE(Write_B777_Upload(job));
    EXPECT_EQ(boxes.Texts(), QStringList{main_window::B777_Unavailable_Text()});
    EXPECT_EQ(asked, 0);

    boxes.Clear();
    job = Job();
    job.Hooks = nullptr;
    EXPECT_FALSE(Write_B777_Upload(job));
    EXPECT_EQ(boxes.Texts(), QStringList{main_window::B777_Unavailable_Text()});

    // An identifier of another loader kind.
    boxes.Clear();
    identifier = QStringLiteral("ABC.cfg");
    EXPECT_FALSE(Write_B777_Upload(Job()));
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("Error: not a Boeing 777 upload identifier")});
    EXPECT_EQ(log.created, 0);
    EXPECT_TRUE(host.calls.isEmpty());
}

TEST(B777_Writer_ProgID, Is_The_Versioned_ProgID_In_Upper_Case)
{
    EXPECT_EQ(main_window::B777_Writer_ProgID(), QStringLiteral("QUARNEL.BoeingFileData.1"));
}

} // namespace
