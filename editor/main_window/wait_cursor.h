#pragma once
// The hourglass shown while a file or disk is read or written.

#include <QApplication>

namespace main_window {

// Shows the hourglass for the life of the object.
class Wait_Cursor {
public:
    Wait_Cursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Wait_Cursor() { QApplication::restoreOverrideCursor(); }
    Wait_Cursor(const Wait_Cursor&) = delete;
    Wait_Cursor& operator=(const Wait_Cursor&) = delete;
};

} // namespace main_window
