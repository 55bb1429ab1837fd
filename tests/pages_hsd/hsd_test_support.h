#pragma once
// Helpers of the HSD page tests: the user version bytes for one test, typing
// into a field, running the event loop, driving a modal dialog, and a page's
// report section.

#include "editor/core/ort_types.h"
#include "editor/pages/page_frame.h"
#include "support/page_test_support.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace hsdtest {

// Sets the current user feature and airframer levels; restores all version
// bytes when the test ends.
struct User_Levels {
    explicit User_Levels(int feature_level, int airframer_level = 0)
    {
        Set(feature_level, airframer_level);
    }
    ~User_Levels() { core::Reset_Versions(); }
    User_Levels(const User_Levels&) = delete;
    User_Levels& operator=(const User_Levels&) = delete;

    static void Set(int feature_level, int airframer_level = 0)
    {
        core::Versions().User_Current.Feature_Level = static_cast<std::uint8_t>(feature_level);
        core::Versions().User_Current.Airframer_Level = static_cast<std::uint8_t>(airframer_level);
    }
};

using testsupport::Settle;
using testsupport::Type;

// The report section the page writes.
inline QStringList Report(Page_Frame& page)
{
    QStringList lines;
    page.Write_Text_Output(lines);
    return lines;
}

// Runs `drive` on the modal dialog as soon as one is up (looked up again on
// every pass of the event loop until it appears). `drive` must close it.
// Setting the returned flag stops the search.
inline std::shared_ptr<bool> When_Modal(std::function<void(QWidget* dialog)> drive)
{
    auto stop = std::make_shared<bool>(false);
    auto attempt = std::make_shared<std::function<void()>>();
    std::weak_ptr<std::function<void()>> weak = attempt;
    *attempt = [drive, stop, weak] {
        const auto self = weak.lock();
        if (*stop || !self)
            return;
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) {
            QTimer::singleShot(0, [self] { (*self)(); });
            return;
        }
        *stop = true;
        drive(dialog);
    };
    QTimer::singleShot(0, [attempt] { (*attempt)(); });
    return stop;
}

} // namespace hsdtest
