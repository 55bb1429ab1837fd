#include "editor/pages/page_frame.h"

#include "editor/pages/field_edit.h"
#include "editor/pages/page_widgets.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSizeGrip>
#include <QStyle>
#include <QVBoxLayout>
#include <QVariant>

#include <algorithm>

namespace {
// Scrolling moves the content by 10 pixels per small step.
constexpr int SMALL_STEP = 10;
// Margin around the content when the page is sized to it.
constexpr int CONTENT_MARGIN = 10;
} // namespace

void Set_Tag(QWidget* widget, const QString& tag)
{
    widget->setProperty("Tag", tag);
}

QString Tag(const QWidget* widget)
{
    return widget->property("Tag").toString();
}

QString Array_Name(const QString& name, int index)
{
    return name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

Page_Frame::Page_Frame(const Page_Setup& setup) : QWidget(nullptr, Qt::Window)
{
    setObjectName(setup.Name);
    setWindowTitle(setup.Caption);
    // A page never keeps the program running on its own.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("Page_Scroll"));
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    // A click on the page's labels, frames, spin buttons or blank space
    // leaves the focus in its field, so that field is not left (and checked)
    // by it.
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->verticalScrollBar()->setObjectName(QStringLiteral("VScroll"));
    scroll_->horizontalScrollBar()->setObjectName(QStringLiteral("HScroll"));
    scroll_->verticalScrollBar()->setSingleStep(SMALL_STEP);
    scroll_->horizontalScrollBar()->setSingleStep(SMALL_STEP);
    outer->addWidget(scroll_, 1);

    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("Page_Content"));
    content_items_ = new QVBoxLayout(content);
    content_items_->setContentsMargins(CONTENT_MARGIN, CONTENT_MARGIN, CONTENT_MARGIN,
                                       CONTENT_MARGIN);
    scroll_->setWidget(content);

    if (!setup.Secured_Caption.isEmpty())
        frame_secured_ = Make_Frame(QStringLiteral("Frame_Secured"), setup.Secured_Caption,
                                    setup.Secured_Tag, setup.Secured_Status, secured_items_,
                                    status_secured_);
    if (!setup.User_Caption.isEmpty())
        frame_user_ = Make_Frame(QStringLiteral("Frame_User"), setup.User_Caption,
                                 setup.User_Tag, setup.User_Status, user_items_, status_user_);
    content_items_->addStretch(1);

    // The size grip in the bottom-right corner; the window system hides it
    // while the page is maximized.
    auto* grip_row = new QHBoxLayout;
    grip_row->setContentsMargins(0, 0, 0, 0);
    grip_row->addStretch(1);
    grip_ = new QSizeGrip(this);
    grip_->setObjectName(QStringLiteral("PictureCorner"));
    grip_row->addWidget(grip_, 0, Qt::AlignBottom | Qt::AlignRight);
    outer->addLayout(grip_row);
}

Page_Frame::~Page_Frame() = default;

QGroupBox* Page_Frame::Make_Frame(const QString& name, const QString& caption,
                                  const QString& tag, const QString& status_name,
                                  QVBoxLayout*& items, QLabel*& status)
{
    QGroupBox* frame = pages::Make_Group(name, caption, tag);
    auto* layout = new QVBoxLayout(frame);
    items = new QVBoxLayout;
    layout->addLayout(items);
    if (!status_name.isEmpty()) {
        // The hint line is empty until a field writes a hint into it.
        status = new QLabel(frame);
        status->setObjectName(status_name);
        layout->addWidget(status);
    }
    content_items_->addWidget(frame);
    return frame;
}

void Page_Frame::Setup_ToolTips(int /*mode*/) {}

void Page_Frame::Write_Text_Output(QStringList& /*lines*/) {}

void Page_Frame::Close_Action()
{
    Clear_Status_Lines();
    // Always hides, whatever a field holds: only the user's own close is
    // held back by an invalid field.
    hide();
}

void Page_Frame::Dual(bool bDual)
{
    Show_SDU2_Frames(bDual);
    dual_mode_ = bDual;
}

void Page_Frame::SetVisiblity(bool bSecured, bool bUser)
{
    Set_Shown(bSecured, bUser);
    Set_Frame_Visible(frame_secured_, bSecured);
    Set_Frame_Visible(frame_user_, bUser);
    Set_Button_Visible(true);
}

void Page_Frame::ShowMe()
{
    show();
    raise();
    activateWindow();
    Init_Scrolling();
}

bool Page_Frame::ValidateControls()
{
    return !pages::Validate_Controls(this);
}

bool Page_Frame::Validate_All_Controls()
{
    if (ValidateControls() && !pages::Validate_Edited_Fields(this))
        return true;
    if (!isVisible())
        ShowMe();
    return false;
}

void Page_Frame::Show_SDU2_Frames(bool visible)
{
    const QString name = QStringLiteral("Frame_SDU2");
    const QString element = name + QLatin1Char('(');
    for (QWidget* child : findChildren<QWidget*>()) {
        const QString child_name = child->objectName();
        if (child_name == name || child_name.startsWith(element))
            child->setVisible(visible);
    }
}

void Page_Frame::Set_Frame_Visible(QGroupBox* frame, bool visible)
{
    if (frame)
        frame->setVisible(visible);
}

void Page_Frame::Set_Button_Visible(bool visible)
{
    if (page_button_)
        page_button_->setVisible(visible);
}

void Page_Frame::Show_Own_Frame(QGroupBox* frame, bool button_visible)
{
    Set_Frame_Visible(frame, true);
    Set_Button_Visible(button_visible);
}

void Page_Frame::Clear_Status_Lines()
{
    if (status_secured_)
        status_secured_->clear();
    if (status_user_)
        status_user_->clear();
}

void Page_Frame::closeEvent(QCloseEvent* event)
{
    if (!ValidateControls()) {
        event->ignore();
        return;
    }
    Clear_Status_Lines();
    event->accept(); // a page without WA_DeleteOnClose is only hidden
}

void Page_Frame::Fit_Changed_Content()
{
    if (!isVisible() || isMinimized() || isMaximized())
        return;
    // The frames shown or hidden meanwhile have their layouts redone first,
    // so that the content's size is that of what it now shows.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    Fit_To_Content(size() != fitted_size_);
}

void Page_Frame::Init_Scrolling()
{
    scroll_->verticalScrollBar()->setValue(0);
    scroll_->horizontalScrollBar()->setValue(0);
    if (isMaximized())
        return;
    Fit_To_Content(false);
}

void Page_Frame::Fit_To_Content(bool grow_only)
{
    // Size the page so that its client area holds the content, the scroll
    // bars' thickness and the margin, but never beyond the screen's free area.
    QWidget* content = scroll_->widget();
    content->adjustSize();
    const QSize needed = content->sizeHint();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    // The grip's row lies below the scrolled area.
    QSize wanted(needed.width() + bar + CONTENT_MARGIN,
                 needed.height() + bar + CONTENT_MARGIN + grip_->sizeHint().height());
    const QScreen* screen = this->screen();
    if (!screen) {
        resize(grow_only ? wanted.expandedTo(size()) : wanted);
        if (!grow_only)
            fitted_size_ = size();
        return;
    }
    // The window system decorates a new window only after it is shown; until
    // then its frame is taken to be a title bar and a border.
    QSize frame_extra = frameGeometry().size() - geometry().size();
    if (frame_extra.isNull()) {
        const int border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        frame_extra = QSize(2 * border, style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * border);
    }
    const QRect free_area = screen->availableGeometry();
    QSize fitted = wanted.boundedTo(free_area.size() - frame_extra);
    if (grow_only) // a page the user made larger than the screen stays so
        fitted = fitted.expandedTo(size());
    resize(fitted);
    if (!grow_only)
        fitted_size_ = size();
    // The whole window, frame included, lies on the screen (its top-left
    // corner at least, where the user made it larger than the screen).
    const QSize outer = size() + frame_extra;
    QPoint at = pos();
    at.setX(std::clamp(at.x(), free_area.left(),
                       std::max(free_area.left(), free_area.right() + 1 - outer.width())));
    at.setY(std::clamp(at.y(), free_area.top(),
                       std::max(free_area.top(), free_area.bottom() + 1 - outer.height())));
    if (at != pos())
        move(at);
}
