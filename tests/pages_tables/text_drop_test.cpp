// Dropped text: splitting into entries, the count message, the highlight
// colours and the event handling of a drop target.
#include "editor/pages_tables/text_drop.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <gtest/gtest.h>

namespace {

using tables::Split_Dropped_Text;

TEST(TextDropSplit, SplitsAtLineEndsAndSkipsEmptyPieces)
{
    EXPECT_EQ(Split_Dropped_Text(QStringLiteral("A\r\nB\r\nC")),
              (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    // A final line end adds no empty entry; text without any gives one entry.
    EXPECT_EQ(Split_Dropped_Text(QStringLiteral("A\r\nB\r\n")),
              (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(Split_Dropped_Text(QStringLiteral("ONE\tTWO")), QStringList{QStringLiteral("ONE\tTWO")});
    EXPECT_EQ(Split_Dropped_Text(QStringLiteral("A\r\n\r\n\r\nB")),
              (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_TRUE(Split_Dropped_Text(QString()).isEmpty());
    EXPECT_TRUE(Split_Dropped_Text(QStringLiteral("\r\n\r\n")).isEmpty());
    // Text from programs of this platform ends its lines with LF alone.
    EXPECT_EQ(Split_Dropped_Text(QStringLiteral("A\nB\n")),
              (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    // A lone CR is part of the entry.
    EXPECT_EQ(Split_Dropped_Text(QStringLiteral("A\rB")), QStringList{QStringLiteral("A\rB")});
}

TEST(TextDropSplit, FullMessageCarriesTheCount)
{
    EXPECT_EQ(tables::Drop_Full_Message(3), QStringLiteral("No more entries available. 3 were added."));
    EXPECT_EQ(tables::Drop_Full_Message(0), QStringLiteral("No more entries available. 0 were added."));
}

TEST(TextDropColour, YellowWhileDraggingWhiteOtherwise)
{
    QLineEdit edit;
    tables::Set_Drop_Colour(&edit, true);
    EXPECT_EQ(tables::Drop_Colour(&edit), QColor(255, 255, 0));
    EXPECT_EQ(edit.palette().color(QPalette::Inactive, QPalette::Base), QColor(255, 255, 0));
    tables::Set_Drop_Colour(&edit, false);
    EXPECT_EQ(tables::Drop_Colour(&edit), QColor(255, 255, 255));
}

struct Recorder {
    QList<bool> highlights;
    QList<QStringList> drops;
    bool accepts = true;

    tables::Drop_Handlers Handlers()
    {
        tables::Drop_Handlers handlers;
        handlers.Accepts = [this] { return accepts; };
        handlers.Highlight = [this](bool on) { highlights.append(on); };
        handlers.Drop = [this](const QStringList& pieces) { drops.append(pieces); };
        return handlers;
    }
};

bool Send_Enter(QWidget* widget, const QMimeData& mime)
{
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &enter);
    return enter.isAccepted();
}

bool Send_Drop(QWidget* widget, const QMimeData& mime)
{
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &drop);
    return drop.isAccepted();
}

TEST(TextDropTarget, HandsDragAndDropToItsHandlers)
{
    QWidget window;
    auto* first = new QLineEdit(QStringLiteral("KEEP"), &window);
    auto* second = new QLineEdit(&window);
    Recorder recorder;
    tables::Text_Drop_Target target({first, second}, recorder.Handlers(), nullptr);
    EXPECT_TRUE(first->acceptDrops());

    QMimeData mime;
    mime.setText(QStringLiteral("111\r\n222\r\n"));
    EXPECT_TRUE(Send_Enter(first, mime));
    EXPECT_EQ(recorder.highlights, QList<bool>{true});

    QDragLeaveEvent leave;
    QApplication::sendEvent(first, &leave);
    EXPECT_EQ(recorder.highlights, (QList<bool>{true, false}));

    EXPECT_TRUE(Send_Enter(second, mime));
    EXPECT_TRUE(Send_Drop(second, mime));
    ASSERT_EQ(recorder.drops.size(), 1);
    EXPECT_EQ(recorder.drops[0], (QStringList{QStringLiteral("111"), QStringLiteral("222")}));
    EXPECT_EQ(recorder.highlights.last(), false);
    // The field's own drop handling never inserted the text.
    EXPECT_EQ(first->text(), QStringLiteral("KEEP"));
    EXPECT_TRUE(second->text().isEmpty());
}

TEST(TextDropTarget, RefusesWhatItDoesNotTake)
{
    QLineEdit edit(QStringLiteral("KEEP"));
    Recorder recorder;
    tables::Text_Drop_Target target({&edit}, recorder.Handlers(), nullptr);

    QMimeData no_text;
    no_text.setData(QStringLiteral("application/octet-stream"), QByteArray("x"));
    EXPECT_FALSE(Send_Enter(&edit, no_text));
    EXPECT_FALSE(Send_Drop(&edit, no_text));

    recorder.accepts = false;
    QMimeData text;
    text.setText(QStringLiteral("123"));
    EXPECT_FALSE(Send_Enter(&edit, text));
    EXPECT_FALSE(Send_Drop(&edit, text));

    EXPECT_TRUE(recorder.drops.isEmpty());
    EXPECT_FALSE(recorder.highlights.contains(true));
    EXPECT_EQ(edit.text(), QStringLiteral("KEEP"));
}

} // namespace
