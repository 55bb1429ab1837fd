#include "editor/main_window/ort_type_dialog.h"

#include "editor/core/ort_types.h"
#include "editor/main_window/app_folder.h"
#include "editor/main_window/file_filters.h"
#include "editor/pages/page_frame.h"
#include "editor/pages/page_widgets.h"
#include "platform/file_dialog_service.h"
#include "platform/message_service.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <utility>

using main_window::Type_Options;

namespace {

// A column heading with the line that underlines it.
QList<QWidget*> Add_Heading(QGridLayout* grid, int column, const QString& label_name,
                            const QString& line_name, const QString& caption)
{
    auto* label = new QLabel(caption);
    label->setObjectName(label_name);
    auto* line = new QFrame;
    line->setObjectName(line_name);
    line->setFrameShape(QFrame::HLine);
    grid->addWidget(label, 0, column, Qt::AlignHCenter);
    grid->addWidget(line, 1, column);
    return {label, line};
}

} // namespace

ORT_Type_Dialog::ORT_Type_Dialog(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("ORT_Type_Dialog"));
    setWindowTitle(QStringLiteral("Create New ORT"));
    setModal(true);
    Build();
    remembered_ = startup_hidden_;
    Select_Option(startup_hidden_);
}

void ORT_Type_Dialog::Build()
{
    auto* outer = new QVBoxLayout(this);
    auto* prompt = new QLabel(QStringLiteral("Select by SDU Software Configuration Number"));
    prompt->setObjectName(QStringLiteral("lblPrompt"));
    outer->addWidget(prompt);

    auto* grid = new QGridLayout;
    outer->addLayout(grid);
    Add_Heading(grid, 0, QStringLiteral("lblSDUPartNo"), QStringLiteral("LineSDUPartNo"),
                QStringLiteral("SDU Part No."));
    secured_heading_ = Add_Heading(grid, 1, QStringLiteral("lblSecured"),
                                   QStringLiteral("LineSecured"), QStringLiteral("Secured"));
    const QList<QWidget*> user_heading = Add_Heading(grid, 2, QStringLiteral("lblUser"),
                                                     QStringLiteral("LineUser"), QStringLiteral("User"));
    composite_heading_ = Add_Heading(grid, 3, QStringLiteral("lblComposite"),
                                     QStringLiteral("LineComposite"),
                                     QStringLiteral("Composite"));

    // Each option is named by its row and its column's heading.
    QStringList column_headings;
    for (const QList<QWidget*>& heading : {secured_heading_, user_heading, composite_heading_})
        column_headings << qobject_cast<QLabel*>(heading.front())->text();

    group_ = new QButtonGroup(this);
    group_->setExclusive(true);
    int row = 2;
    for (const main_window::Type_Option& option : Type_Options()) {
        const QString name = QString::fromLatin1(option.Name);
        auto* label = new QLabel(QString::fromLatin1(option.Label_Text));
        label->setObjectName(QStringLiteral("lbl") + name);
        grid->addWidget(label, row, 0);
        QList<QRadioButton*> elements;
        for (int column = 0; column < 3; ++column) {
            auto* button = new QRadioButton;
            button->setObjectName(Array_Name(name, column));
            pages::Label_Field(label, button, column_headings[column]);
            group_->addButton(button);
            grid->addWidget(button, row, column + 1, Qt::AlignHCenter);
            elements.append(button);
        }
        // The User column is the one this edition shows: its option is the
        // row label's buddy, which screen readers relate it to.
        label->setBuddy(elements[main_window::COLUMN_USER]);
        options_.append(elements);
        ++row;
    }
    startup_hidden_ = new QRadioButton(this);
    startup_hidden_->setObjectName(QStringLiteral("Option_Startup_Hidden"));
    startup_hidden_->hide();
    group_->addButton(startup_hidden_);
    connect(group_, &QButtonGroup::buttonClicked, this,
            [this](QAbstractButton* button) { Select_Option(button); });

    auto* buttons = new QHBoxLayout;
    outer->addLayout(buttons);
    ok_button_ = new QPushButton(QStringLiteral("OK"));
    ok_button_->setObjectName(QStringLiteral("OKButton"));
    ok_button_->setDefault(true);
    open_button_ = new QPushButton(QStringLiteral("Open..."));
    open_button_->setObjectName(QStringLiteral("OpenButton"));
    cancel_button_ = new QPushButton(QStringLiteral("Cancel"));
    cancel_button_->setObjectName(QStringLiteral("CancelButton"));
    buttons->addStretch(1);
    buttons->addWidget(ok_button_);
    buttons->addWidget(open_button_);
    buttons->addWidget(cancel_button_);
    connect(ok_button_, &QPushButton::clicked, this, &ORT_Type_Dialog::OK_Click);
    connect(open_button_, &QPushButton::clicked, this, &ORT_Type_Dialog::Open_Click);
    connect(cancel_button_, &QPushButton::clicked, this, &ORT_Type_Dialog::Cancel_Click);
}

QRadioButton* ORT_Type_Dialog::Option(int row, int column) const
{
    return options_.at(row).at(column);
}

void ORT_Type_Dialog::Close_Action()
{
    reject();
    hide();
}

void ORT_Type_Dialog::Set_ConvertFromVersion()
{
    core::Version_State& versions = core::Versions();
    versions.Secured_Loaded = versions.Secured_Current;
    versions.User_Loaded = versions.User_Current;
}

void ORT_Type_Dialog::DisplayAll(bool flag)
{
    const auto rows = Type_Options();
    for (int row = 0; row < options_.size(); ++row) {
        options_[row][main_window::COLUMN_SECURED]->setVisible(flag);
        const bool composite = flag && !main_window::Composite_Never_Shown(rows[row]);
        options_[row][main_window::COLUMN_COMPOSITE]->setVisible(composite);
    }
    for (QWidget* widget : secured_heading_)
        widget->setVisible(flag);
    for (QWidget* widget : composite_heading_)
        widget->setVisible(flag);
}

void ORT_Type_Dialog::Reselect_Remembered()
{
    Select_Option(startup_hidden_);
    Select_Option(remembered_);
}

void ORT_Type_Dialog::Set_Choosing_Load_Target(bool choosing)
{
    choosing_load_target_ = choosing;
    open_button_->setVisible(!choosing);
}

void ORT_Type_Dialog::Select_Option(QAbstractButton* button)
{
    auto* radio = qobject_cast<QRadioButton*>(button);
    if (!radio)
        return;
    radio->setChecked(true);
    pending_button_ = radio;
    pending_.reset();
    for (int row = 0; row < options_.size(); ++row) {
        const int column = options_[row].indexOf(radio);
        if (column >= 0)
            pending_ = main_window::Make_Type_Choice(Type_Options()[row], column);
    }
    const bool chosen = pending_.has_value();
    ok_button_->setEnabled(chosen);
    open_button_->setEnabled(chosen);
    // Cancel stays available: nothing has been taken over yet.
    cancel_button_->setEnabled(true);
}

void ORT_Type_Dialog::Take_Over_Choice()
{
    if (!pending_)
        return;
    remembered_ = pending_button_;
    committed_ = *pending_;
    main_window::Apply_Version_Info(committed_);
    main_window::Apply_Chosen_Type(committed_);
}

void ORT_Type_Dialog::OK_Click()
{
    if (!pending_)
        return;
    Take_Over_Choice();
    if (!choosing_load_target_ && actions_.Create_ORT)
        actions_.Create_ORT(convert_mode_);
    accept();
}

void ORT_Type_Dialog::Open_Click()
{
    if (!pending_ || choosing_load_target_)
        return;
    // As File > Open: the open ORT is offered for saving first; Cancel keeps
    // it, its edits and the configuration it was made for.
    if (actions_.Close_Before_Opening && !actions_.Close_Before_Opening())
        return;
    const QString name = platform::Get_Open_File_Name(QStringLiteral("Open"), main_window::ORT_FILTER);
    main_window::set_Working_Directory_AppPath();
    if (name.isEmpty())
        return; // cancelled: the dialog stays as it is
    if (!QFileInfo(name).isFile()) {
        platform::Critical(name, QStringLiteral("File Does Not Exist"));
        return;
    }
    // The chosen configuration is the target of the load, which runs once
    // the dialog has closed (exec).
    Take_Over_Choice();
    file_to_open_ = name;
    accept();
}

int ORT_Type_Dialog::exec()
{
    file_to_open_.reset();
    const int result = QDialog::exec();
    const std::optional<QString> file = std::exchange(file_to_open_, std::nullopt);
    if (file && actions_.Open_File)
        actions_.Open_File(*file);
    return result;
}

void ORT_Type_Dialog::Cancel_Click()
{
    reject();
}

void ORT_Type_Dialog::reject()
{
    // Back to the choice from before the dialog opened.
    Select_Option(remembered_);
    QDialog::reject();
}

void ORT_Type_Dialog::showEvent(QShowEvent* event)
{
    Reselect_Remembered();
    QDialog::showEvent(event);
}
