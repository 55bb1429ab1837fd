#include "support/scripted_messages.h"
#include "writer/boeing_file_data.h"
#include "writer_fixtures.h"

#include <QApplication>
#include <QLabel>
#include <QWindow>
#include <gtest/gtest.h>

using namespace quarnel;
using namespace writer_test;

namespace {

struct Pause_Record {
    int ms;
    QString status; // the status line shown while pausing
    QString title;
};

CProgressDialog* Visible_Progress_Window()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "CProgressDialog" && w->isVisible())
            return static_cast<CProgressDialog*>(w);
    return nullptr;
}

struct Progress : ::testing::Test {
    testsupport::ScriptedMessages msgs;
    Upload_Folder folder;
    rc::Ref<BoeingFileData> obj = rc::Ref<BoeingFileData>::Adopt(BoeingFileData::Create());
    rc::Ref<Recording_Callback> cb = Recording_Callback::Make();
    std::vector<Pause_Record> pauses;
    Bool16 vb = 0;

    void SetUp() override
    {
        obj->setCallbackAdvise(cb.get());
        obj->Set_Pause_Function([this](int ms) {
            const CProgressDialog* w = Visible_Progress_Window();
            pauses.push_back({ms, w ? w->Status() : QString(), w ? w->windowTitle() : QString()});
        });
        ASSERT_EQ(obj->setUploadParameters(u"D", u"F", u"ABC", u"58A6C", rc::To_BStr(folder.Prefix()),
                                           B777, &vb),
                  rc::RC_OK);
        ASSERT_EQ(obj->validateFileData(&vb), rc::RC_OK);
    }
};

} // namespace

TEST_F(Progress, EveryStepIsShownAndPausedThenTheWindowCloses)
{
    obj->setProgressDialogOnOff(rc::BOOL16_TRUE, &vb);
    ASSERT_EQ(obj->write777Files(&vb), rc::RC_OK);
    const QStringList expected{
        "Writing files...",
        "Assembling the file names",
        "Creating the NON_LOAD.CRC file",
        "Calculating the text file 16-bit CRC",
        "Placing the CRC into the NON_LOAD.CRC file",
        "Calculating the ORT file 16-bit CRC",
        "Writing the DISK.DIR file",
        "Performing 16-bit CRC on DISK.DIR file",
        "Inserting CRC into DISK.DIR file",
        "Creating the header file",
        "Calculating the header file 16-bit CRC",
        "Inserting header file CRC into header file",
        "Writing CONFIG.LDR file",
        "Calculating 32-bit CRC for all loadable files",
        "Inserting 32-bit CRC into header file",
        "Finished !",
    };
    ASSERT_EQ(pauses.size(), static_cast<std::size_t>(expected.size()));
    int total = 0;
    for (std::size_t i = 0; i < pauses.size(); ++i) {
        EXPECT_EQ(pauses[i].status, expected[static_cast<qsizetype>(i)]);
        EXPECT_EQ(pauses[i].title, "Please wait...");
        EXPECT_EQ(pauses[i].ms, i + 1 == pauses.size() ? 1000 : 500) << i;
        total += pauses[i].ms;
    }
    EXPECT_EQ(total, 8500);
    EXPECT_EQ(Visible_Progress_Window(), nullptr);
    EXPECT_TRUE(msgs.Boxes().isEmpty());
}

// Each status must be on the screen while the thread is held: the window is
// exposed and its status line painted with that text before the pause.
TEST_F(Progress, EachStatusIsPaintedBeforeItsPause)
{
    struct Paint_Watch : QObject {
        QString painted;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Paint && watched->objectName() == "Status_203")
                painted = static_cast<QLabel*>(watched)->text();
            return false;
        }
    } watch;
    qApp->installEventFilter(&watch);
    std::vector<std::pair<QString, bool>> seen; // painted text, window exposed
    obj->Set_Pause_Function([&](int) {
        const CProgressDialog* w = Visible_Progress_Window();
        seen.emplace_back(watch.painted, w && w->windowHandle() && w->windowHandle()->isExposed());
        EXPECT_EQ(watch.painted, w ? w->Status() : QString());
    });
    obj->setProgressDialogOnOff(rc::BOOL16_TRUE, &vb);
    ASSERT_EQ(obj->write777Files(&vb), rc::RC_OK);
    qApp->removeEventFilter(&watch);
    ASSERT_EQ(seen.size(), 16u);
    for (const auto& [text, exposed] : seen)
        EXPECT_TRUE(exposed) << text.toStdString();
}

TEST_F(Progress, WithTheFlagOffThereIsNoWindowAndNoPause)
{
    ASSERT_EQ(obj->write777Files(&vb), rc::RC_OK);
    EXPECT_TRUE(pauses.empty());
}

TEST_F(Progress, FailureShowsTheBoxThenClosesTheWindow)
{
    obj->setProgressDialogOnOff(rc::BOOL16_TRUE, &vb);
    QFile::remove(folder.Prefix() + "ABC58A6C.001");
    EXPECT_EQ(obj->write777Files(&vb), rc::RC_FALSE);
    EXPECT_EQ(msgs.Texts(), QStringList{"Error calculating length of ORT file!"});
    ASSERT_FALSE(pauses.empty());
    EXPECT_EQ(pauses.back().status, "Calculating the ORT file 16-bit CRC");
    EXPECT_EQ(pauses.size(), 6u);
    EXPECT_EQ(Visible_Progress_Window(), nullptr);
}

TEST(ProgressWindow, CentredWithoutOwnerAndSizedInDialogUnits)
{
    std::vector<int> pauses;
    CProgressDialog w("Writing files...", "Please wait...", [&](int ms) { pauses.push_back(ms); });
    EXPECT_EQ(w.parentWidget(), nullptr);
    EXPECT_EQ(w.windowTitle(), "Please wait...");
    EXPECT_EQ(w.Status(), "Writing files...");
    const QLabel* label = w.findChild<QLabel*>("Status_203");
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->alignment() & Qt::AlignLeft);
    EXPECT_GT(w.width(), w.height() * 3);
    EXPECT_LT(label->geometry().right(), w.width());
    w.setStatus("Step", 250);
    EXPECT_EQ(w.Status(), "Step");
    EXPECT_EQ(pauses, std::vector<int>{250});
}
