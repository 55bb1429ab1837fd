#include "writer/progress_dialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLabel>
#include <QScreen>
#include <QThread>
#include <QWindow>
#include <new>

namespace quarnel {

namespace {

// Dialog units of the window's font: a quarter of the average character
// width across, an eighth of the character height down.
QRect Dialog_Units(const QFont& font, int x, int y, int w, int h)
{
    const QFontMetrics fm(font);
    const double ux = fm.averageCharWidth() / 4.0;
    const double uy = fm.height() / 8.0;
    return QRect(qRound(x * ux), qRound(y * uy), qRound(w * ux), qRound(h * uy));
}

// The longest wait for the window system to put a new window on the screen.
constexpr int EXPOSE_LIMIT_MS = 2000;

// The thread is held right after a status change, so nothing would reach the
// screen by itself: let the window system map and expose the window (user
// input stays queued), then paint it and pass the drawing on at once.
void Paint_Now(QWidget& window)
{
    if (!window.isVisible())
        return;
    QElapsedTimer waited;
    waited.start();
    const auto exposed = [&window] {
        const QWindow* handle = window.windowHandle();
        return handle && handle->isExposed();
    };
    while (!exposed() && waited.elapsed() < EXPOSE_LIMIT_MS) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (!exposed())
            QThread::msleep(1);
    }
    window.repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

CProgressDialog::CProgressDialog(const QString& status, const QString& caption, Pause_Function pause)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint),
      pause_(std::move(pause))
{
    setObjectName(QStringLiteral("CProgressDialog"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSize(8);
    setFont(f);
    setFixedSize(Dialog_Units(font(), 0, 0, 226, 50).size());
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("Status_203"));
    status_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    status_->setGeometry(Dialog_Units(font(), 20, 18, 186, 14));
    status_->setText(status);
    setWindowTitle(caption);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

void CProgressDialog::setStatus(const QString& text, int milliseconds)
{
    status_->setText(text);
    Paint_Now(*this);
    if (pause_)
        pause_(milliseconds);
}

QString CProgressDialog::Status() const
{
    return status_->text();
}

std::unique_ptr<CProgressDialog> Open_Progress_Window(Pause_Function pause,
                                                      Progress_Failure* failure)
{
    *failure = Progress_Failure::None;
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        *failure = Progress_Failure::Window;
        return nullptr;
    }
    std::unique_ptr<CProgressDialog> window;
    try {
        window = std::make_unique<CProgressDialog>(QStringLiteral("Writing files..."),
                                                   QStringLiteral("Please wait..."), std::move(pause));
    } catch (const std::bad_alloc&) {
        *failure = Progress_Failure::Object;
        return nullptr;
    }
    window->show();
    Paint_Now(*window);
    return window;
}

} // namespace quarnel
