#pragma once
// The small progress window that write777Files shows while it works: a
// caption and one status line, centred on the screen, without an owner.
// setStatus shows a text and then holds the thread for the given time
// through an injectable pause, so tests never sleep.

#include <QDialog>
#include <functional>
#include <memory>

class QLabel;

namespace quarnel {

using Pause_Function = std::function<void(int milliseconds)>;

class CProgressDialog final : public QDialog {
public:
    CProgressDialog(const QString& status, const QString& caption, Pause_Function pause);

    void setStatus(const QString& text, int milliseconds);
    QString Status() const;

private:
    QLabel* status_ = nullptr;
    Pause_Function pause_;
};

enum class Progress_Failure { None, Object, Window };

// Creates, shows and repaints the window with "Writing files..." under the
// caption "Please wait...". Null when no window can be made (no widget
// application in this process: Window; out of memory: Object).
std::unique_ptr<CProgressDialog> Open_Progress_Window(Pause_Function pause,
                                                      Progress_Failure* failure);

} // namespace quarnel
