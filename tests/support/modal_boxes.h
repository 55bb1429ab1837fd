#pragma once
// A message service that shows every box as a real modal box, as the program
// does, and answers it with Enter a moment later. While a box is up the other
// windows are blocked and a nested event loop runs, so what a real box does
// to a mouse press in progress (its release goes to the box) can be tested.
// Installs itself on construction and puts the previous service back on
// destruction.

#include "platform/message_service.h"

#include <QPoint>
#include <QStringList>
#include <functional>

class QWidget;

namespace testsupport {

class Modal_Boxes final : public platform::MessageService {
public:
    Modal_Boxes();
    ~Modal_Boxes() override;
    Modal_Boxes(const Modal_Boxes&) = delete;
    Modal_Boxes& operator=(const Modal_Boxes&) = delete;

    // Runs while each box is up, before it is answered.
    void While_Shown(std::function<void()> action) { while_shown_ = std::move(action); }

    // Every box is answered with its default button (OK, Yes).
    platform::MsgAnswer Show(const QString& text, platform::MsgButtons buttons, platform::MsgIcon icon,
                             const QString& title) override;

    const QStringList& Texts() const { return texts_; }

private:
    platform::MessageService* previous_;
    std::function<void()> while_shown_;
    QStringList texts_;
};

// Releases the left mouse button over widget the way the window system does:
// through its window, so that a window blocked by a box never sees it.
void Release_Through_Window(QWidget* widget);

} // namespace testsupport
