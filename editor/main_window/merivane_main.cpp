#include "editor/main_window/merivane_main.h"

#include "editor/core/char_sets.h"
#include "editor/core/ort_types.h"
#include "editor/core/text_helpers.h"
#include "editor/core/type_choice.h"
#include "editor/core/version_labels.h"
#include "editor/document/default_sat_ges_merge.h"
#include "editor/main_window/main_menus.h"
#include "editor/main_window/ort_type_dialog.h"
#include "editor/main_window/page_buttons.h"
#include "editor/page_set/page_set.h"
#include "editor/pages/field_edit.h"
#include "editor/pages/page_frame.h"
#include "editor/pages/page_widgets.h"
#include "editor/secured_partition/secured_items.h"
#include "editor/secured_partition/secured_mod.h"
#include "editor/user_partition/user_presentation.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int DESCRIPTION_LENGTH = 24;
constexpr int PART_NUMBER_LENGTH = 15;

QLabel* Make_Label(QWidget* parent, const char* name, const QString& caption,
                   const QString& tag = QString())
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    if (!tag.isEmpty())
        Set_Tag(label, tag);
    return label;
}

// A key that would change a box's text (not Tab, arrows or shortcuts).
bool Is_Typing_Key(const QKeyEvent* key)
{
    if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete)
        return true;
    const QString text = key->text();
    return !text.isEmpty() && text.at(0).unicode() >= 0x20 && text.at(0).unicode() < 0x7F &&
           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

// A description's tooltip at design: its default without trailing blanks.
QString Design_Tip(const char* description)
{
    return QStringLiteral("Default: ") + core::Trim_Trailing_Blanks(QString::fromLatin1(description));
}

} // namespace

MerivaneMain::MerivaneMain(Page_Set& pages, QWidget* parent)
    : QMainWindow(parent), pages_(pages)
{
    setObjectName(QStringLiteral("MerivaneMain"));
    setWindowTitle(QStringLiteral("Merivane"));
    Build_Menus();
    Build_Central();
    Bind_Fields();
    Wire_Commands();
    type_dialog_ = new ORT_Type_Dialog(this);
    Share_Controls();
    Reset_Main_Window();
}

void MerivaneMain::Share_Controls()
{
    Main_Controls& shared = pages_.Main;
    shared.Window = this;
    shared.Control_33 = control_33_;
    shared.Control_53 = control_53_;
    shared.Control_86 = control_86_;
    shared.Label_86 = label_86_;
    shared.Control_87 = control_87_;
    shared.Label_87 = label_87_;
    shared.Label_Secure_Modified = label_secure_modified_;
    shared.Label_User_Modified = label_user_modified_;
    shared.ShowPIMBIT = findChild<QPushButton*>(QStringLiteral("ShowPIMBIT"));
    User_Mod::Set_Default_Tips(pages_);
    Secured_Mod::Set_Secured_Default_Tips(pages_);
    Page_Set& pages = pages_;
    pages_.Sat_GES().Set_Update_Tables_Action(
        [&pages] { Composite_Mod::Merge_Default_Sat_GES(pages); });
}

MerivaneMain::~MerivaneMain() = default;

void MerivaneMain::Build_Menus()
{
    // Menu items are children of the window, so that they can be found by name.
    const std::function<void(QMenu*, std::span<const main_window::Menu_Item>)> add_items =
        [&](QMenu* menu, std::span<const main_window::Menu_Item> items) {
            for (const main_window::Menu_Item& item : items) {
                const QString name = QString::fromLatin1(item.Name);
                if (!item.Children.empty()) {
                    QMenu* sub = menu->addMenu(QString::fromLatin1(item.Caption));
                    sub->setObjectName(name);
                    sub->menuAction()->setObjectName(name);
                    actions_.insert(name, sub->menuAction());
                    add_items(sub, item.Children);
                    continue;
                }
                auto* action = new QAction(this);
                action->setObjectName(name);
                if (item.Caption)
                    action->setText(QString::fromLatin1(item.Caption));
                else
                    action->setSeparator(true);
                menu->addAction(action);
                actions_.insert(name, action);
            }
        };
    for (const main_window::Menu_Row& row : main_window::Main_Menus()) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(row.Caption));
        menu->setObjectName(QString::fromLatin1(row.Name));
        add_items(menu, row.Items);
    }
    actions_.value(QStringLiteral("mnuSingleSDU"))->setCheckable(true);
    actions_.value(QStringLiteral("mnuDualSDU"))->setCheckable(true);
}

void MerivaneMain::Build_Central()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Main_Central"));
    setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);

    auto* top = new QHBoxLayout;
    sdu_part_no_ = Make_Label(central, "lblMainSDUPartNo", QString());
    sdu_label_ = Make_Label(central, "Control_SDU_Label", QStringLiteral("Single SDU"));
    sdu_label_->installEventFilter(this);
    top->addWidget(sdu_part_no_);
    top->addStretch(1);
    top->addWidget(sdu_label_);
    layout->addLayout(top);
    version_label_ = Make_Label(central, "Control_Version_Label", QString());
    file_label_ = Make_Label(central, "Control_File_Label", QString());
    layout->addWidget(version_label_);
    layout->addWidget(file_label_);

    Build_Partition_Frames(central);
    auto* frames = new QHBoxLayout;
    frames->addWidget(frame_secured_);
    frames->addWidget(frame_user_);
    layout->addLayout(frames);

    auto* buttons = new QGridLayout;
    const auto& pages = pages_.Pages();
    for (std::size_t i = 0; i < main_window::PAGE_BUTTONS.size(); ++i) {
        const main_window::Page_Button_Row& row = main_window::PAGE_BUTTONS[i];
        auto* button = new QPushButton(QString::fromLatin1(row.Caption), central);
        button->setObjectName(QString::fromLatin1(row.Name));
        Page_Frame* page = pages[i];
        page->Set_Page_Button(button);
        connect(button, &QPushButton::clicked, page, &Page_Frame::ShowMe);
        buttons->addWidget(button, static_cast<int>(i / 2), static_cast<int>(i % 2));
        page_buttons_.append(button);
    }
    layout->addLayout(buttons);
    layout->addStretch(1);
}

void MerivaneMain::Build_Partition_Frames(QWidget* parent)
{
    frame_secured_ = new QGroupBox(QStringLiteral("Secured ORT"), parent);
    frame_secured_->setObjectName(QStringLiteral("Frame_Secured"));
    auto* secured = new QFormLayout(frame_secured_);
    label_87_ = Make_Label(frame_secured_, "Label_87", QStringLiteral("Part Number"),
                           QStringLiteral("Item 87"));
    control_87_ = pages::Make_Fixed_Pitch_Edit(QStringLiteral("Control_87"), PART_NUMBER_LENGTH,
                                               QStringLiteral("Enter all of the SECURED part number or enter just "
                                                              "the chars you want added to QZVcc for ARINC 665"));
    label_53_ = Make_Label(frame_secured_, "Label_53", QStringLiteral("Description"),
                           QStringLiteral("Item 53"));
    control_53_ = pages::Make_Fixed_Pitch_Edit(QStringLiteral("Control_53"), DESCRIPTION_LENGTH,
                                               Design_Tip(Secured_Mod::FACTORY_DESCRIPTION));
    label_secure_modified_ =
        Make_Label(frame_secured_, "Label_Secure_Modified", QStringLiteral("Secure Partition Modified"));
    // Both frames hold a part number and a description: the frame's caption
    // tells them apart.
    pages::Label_Field(label_87_, control_87_, frame_secured_->title());
    pages::Label_Field(label_53_, control_53_, frame_secured_->title());
    secured->addRow(label_87_, control_87_);
    secured->addRow(label_53_, control_53_);
    secured->addRow(label_secure_modified_);

    frame_user_ = new QGroupBox(QStringLiteral("User ORT"), parent);
    frame_user_->setObjectName(QStringLiteral("Frame_User"));
    auto* user = new QFormLayout(frame_user_);
    label_86_ = Make_Label(frame_user_, "Label_86", QStringLiteral("Part Number"),
                           QStringLiteral("Item 86"));
    control_86_ = pages::Make_Fixed_Pitch_Edit(QStringLiteral("Control_86"), PART_NUMBER_LENGTH,
                                               QStringLiteral("Enter all of the USER part number or enter just the "
                                                              "chars you want added to QZVcc for ARINC 665"));
    control_86_->setPlaceholderText(QStringLiteral("Add part number here."));
    label_33_ = Make_Label(frame_user_, "Label_33", QStringLiteral("Description"),
                           QStringLiteral("Item 33"));
    control_33_ = pages::Make_Fixed_Pitch_Edit(QStringLiteral("Control_33"), DESCRIPTION_LENGTH,
                                               Design_Tip(User_Mod::FACTORY_DESCRIPTION));
    label_user_modified_ =
        Make_Label(frame_user_, "Label_User_Modified", QStringLiteral("User Partition Modified"));
    status_description_u_ = Make_Label(frame_user_, "StatusBar_Description_U", QString());
    pages::Label_Field(label_86_, control_86_, frame_user_->title());
    pages::Label_Field(label_33_, control_33_, frame_user_->title());
    user->addRow(label_86_, control_86_);
    user->addRow(label_33_, control_33_);
    user->addRow(label_user_modified_);
    user->addRow(status_description_u_);
}

void MerivaneMain::Bind_Fields()
{
    // Boxes of the description checks are titled "<frame> <label>".
    pages::Bind_Field(control_33_, core::Chars::Upper_Printable,
                      pages::String_Check(core::Chars::Upper_Printable, [this] {
                          return frame_user_->title() + QLatin1Char(' ') + label_33_->text();
                      }));
    pages::Bind_Field(control_53_, core::Chars::Upper_Printable,
                      pages::String_Check(core::Chars::Upper_Printable, [this] {
                          return frame_secured_->title() + QLatin1Char(' ') + label_53_->text();
                      }));
    pages::Bind_Field(control_86_, core::Chars::Printable);
    pages::Bind_Field(control_87_, core::Chars::Printable);
    control_33_->installEventFilter(this);
    control_86_->installEventFilter(this);
    control_87_->installEventFilter(this);
}

void MerivaneMain::Wire_Commands()
{
    const auto wire = [this](const char* name, void (MerivaneMain::*handler)()) {
        connect(actions_.value(QString::fromLatin1(name)), &QAction::triggered, this,
                [this, handler] { (this->*handler)(); });
    };
    wire("mnuExit", &MerivaneMain::mnuExit_Click);
    wire("mnuSingleSDU", &MerivaneMain::mnuSingleSDU_Click);
    wire("mnuDualSDU", &MerivaneMain::mnuDualSDU_Click);
    wire("mnuAbout", &MerivaneMain::mnuAbout_Click);
    wire("mnuHelpContents", &MerivaneMain::mnuHelpContents_Click);
}

void MerivaneMain::Reset_Main_Window()
{
    frame_secured_->hide();
    frame_user_->hide();
    sdu_label_->hide();
    version_label_->hide();
    file_label_->hide();
    for (const char* name : main_window::ORT_Commands())
        actions_.value(QString::fromLatin1(name))->setEnabled(false);
    actions_.value(QStringLiteral("mnuFailureMasking"))->setVisible(false);
    status_description_u_->clear();
    setWindowTitle(QStringLiteral("Merivane"));
    Current_Is_Ascii_Hex = false;
    Save_Needs_Name = false;
    Name_Not_Saved = false;
    sdu_part_no_->clear();
    for (Page_Frame* page : pages_.Pages())
        page->Close_Action();
    // No list of a closed ORT may reach the next one.
    Ort_Loader::Clear_Page_Lists(pages_);
    for (QPushButton* button : page_buttons_)
        button->hide();
}

void MerivaneMain::Enable_Menu_Items()
{
    for (const char* name : main_window::ORT_Commands())
        actions_.value(QString::fromLatin1(name))->setEnabled(true);
    mnuSingleSDU_Click(); // every ORT starts single
    sdu_label_->show();
    version_label_->show();
    file_label_->show();
    sdu_part_no_->setText(QStringLiteral("SDU Part Number:  ") +
                          core::Chosen_Type().Software_Config_Text);
    actions_.value(QStringLiteral("mnuFailureMasking"))->setVisible(Show_Secured_Partition());
}

void MerivaneMain::Set_Visibility()
{
    const bool secured = Show_Secured_Partition();
    const bool user = Show_User_Partition();
    frame_secured_->setVisible(secured);
    frame_user_->setVisible(user);
    label_secure_modified_->hide();
    label_user_modified_->hide();
    for (Page_Frame* page : pages_.Pages())
        page->SetVisiblity(secured, user);
}

bool MerivaneMain::Is_ORT_Loaded() const
{
    return !frame_user_->isHidden() || !frame_secured_->isHidden();
}

void MerivaneMain::Show_ORT_Open_State()
{
    Enable_Menu_Items();
    Set_Visibility();
    Set_Version_Label(get_TOOL_VERSION());
    Set_File_Label();
    Setup_ToolTips();
}

void MerivaneMain::Set_Version_Numbers(std::int32_t securedType, std::int32_t userType)
{
    core::Set_Version_Numbers(securedType, userType);
}

bool MerivaneMain::Show_Secured_Partition()
{
    const std::int32_t config = core::Versions().Partition_Config;
    return config == core::PARTITION_SECURED || config == core::PARTITION_COMPOSITE;
}

bool MerivaneMain::Show_User_Partition()
{
    const std::int32_t config = core::Versions().Partition_Config;
    return config == core::PARTITION_USER || config == core::PARTITION_COMPOSITE;
}

void MerivaneMain::Set_Version_Label(int toolVersion)
{
    version_label_->setText(core::Version_Label_Text(toolVersion));
}

void MerivaneMain::Set_File_Label()
{
    file_label_->setText(core::File_Label_Text());
}

void MerivaneMain::Setup_ToolTips()
{
    const core::Version_State& versions = core::Versions();
    const int mode = std::max(versions.Secured_Current.Airframer_Level,
                              versions.User_Current.Airframer_Level);
    for (Page_Frame* page : pages_.Pages())
        page->Setup_ToolTips(mode);

    const QString factory_user = QString::fromLatin1(User_Mod::FACTORY_DESCRIPTION);
    const QString factory_secured = QString::fromLatin1(Secured_Mod::FACTORY_DESCRIPTION);
    const QString airbus_user = QString::fromLatin1(User_Mod::AIRFRAMER_DESCRIPTION);
    const QString airbus_secured = QString::fromLatin1(Secured_Mod::AIRFRAMER_DESCRIPTION);
    const QString prefix = QStringLiteral("Default: ");
    if (mode == 0 || mode == 2) {
        control_33_->setToolTip(prefix + factory_user);
        control_53_->setToolTip(prefix + factory_secured);
    } else if (mode == 1) {
        control_33_->setToolTip(prefix + airbus_user);
        control_53_->setToolTip(prefix + airbus_secured);
    } else {
        control_33_->setToolTip(prefix + airbus_user);
        control_53_->setToolTip(prefix + airbus_secured + QStringLiteral("(Non-Modifiable)"));
    }
    if (mode < 3) {
        control_86_->setToolTip(QString());
        control_87_->setToolTip(QString());
    } else {
        control_86_->setToolTip(prefix + type_dialog_->Stored_User_PN());
        control_87_->setToolTip(prefix + type_dialog_->Stored_Secured_PN());
    }
}

void MerivaneMain::Set_ORT_Description(const QString& securedText, const QString& userText)
{
    const std::int32_t config = core::Versions().Partition_Config;
    if (config == core::PARTITION_SECURED || config == core::PARTITION_COMPOSITE)
        control_53_->setText(securedText);
    if (config == core::PARTITION_USER || config == core::PARTITION_COMPOSITE)
        control_33_->setText(userText);
}

int MerivaneMain::get_TOOL_VERSION() { return core::TOOL_VERSION; }

int MerivaneMain::get_HEADER_SIZE() { return core::HEADER_SIZE; }

bool MerivaneMain::ValidatePageControls()
{
    bool all_good = true;
    for (Page_Frame* page : pages_.Pages())
        all_good = page->ValidateControls() && all_good;
    return all_good;
}

bool MerivaneMain::Validate_Before_Writing()
{
    if (pages::Validate_Window(this))
        return false;
    for (Page_Frame* page : pages_.Pages()) {
        if (!page->Validate_All_Controls())
            return false;
    }
    return true;
}

void MerivaneMain::HidePages()
{
    for (Page_Frame* page : pages_.Pages())
        page->hide();
}

bool MerivaneMain::ChooseSoftwareConfigNumber()
{
    for (Page_Frame* page : pages_.Pages()) {
        page->ValidateControls();
        page->hide();
    }
    type_dialog_->DisplayAll(false);
    type_dialog_->Set_boolConvert(false);
    type_dialog_->setWindowTitle(QStringLiteral("Choose Configuration Number"));
    type_dialog_->Reselect_Remembered();
    // The load has its file and converts it itself: OK only takes the
    // target over, Open... is not offered. New and Convert restore both.
    type_dialog_->Set_Choosing_Load_Target(true);
    const bool chosen = type_dialog_->exec() == QDialog::Accepted;
    type_dialog_->Set_Choosing_Load_Target(false);
    return chosen;
}

bool MerivaneMain::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == sdu_label_ && type == QEvent::MouseButtonDblClick) {
        if (sdu_label_->text() == QLatin1String("Single SDU"))
            mnuDualSDU_Click();
        else
            mnuSingleSDU_Click();
        return true;
    }
    if (watched == control_33_) {
        if (type == QEvent::FocusIn) {
            const bool airframer = core::Versions().User_Current.Airframer_Level != 0;
            status_description_u_->setText(
                airframer ? QStringLiteral("Only first 15 characters are viewable in CMS")
                          : QString());
        } else if (type == QEvent::FocusOut) {
            status_description_u_->clear();
        }
        return false;
    }
    if ((watched == control_86_ || watched == control_87_) && pn_editor_ &&
        (type == QEvent::MouseButtonDblClick ||
         (type == QEvent::KeyPress && Is_Typing_Key(static_cast<QKeyEvent*>(event))))) {
        pn_editor_(static_cast<QLineEdit*>(watched));
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
