#include "editor/page_set/page_set.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

Page_Set::Page_Set()
    : general_(std::make_unique<Page_General>()),
      cabin_(std::make_unique<Page_Cabin>()),
      dual_(std::make_unique<Page_Dual>()),
      hsd_cnfg_(std::make_unique<Page_HSD_Cnfg>()),
      hsd_s64_(std::make_unique<Page_HSD_S64>()),
      hsd_sbb_(std::make_unique<Page_HSD_SBB>()),
      power_(std::make_unique<Page_Power>()),
      cockpit_voice_(std::make_unique<Page_Cockpit_Voice>()),
      cabin_numbers_(std::make_unique<Page_Cabin_Numbers>()),
      cockpit_numbers_(std::make_unique<Page_Cockpit_Numbers>()),
      sat_ges_(std::make_unique<Page_Sat_GES>()),
      transit_ges_(std::make_unique<Page_Transit_GES>()),
      failure_masks_(std::make_unique<Page_Failure_Masks>()),
      pimbit_(std::make_unique<Page_PIMBIT>())
{
    all_ = {general_.get(),       cabin_.get(),           dual_.get(),
            hsd_cnfg_.get(),      hsd_s64_.get(),         hsd_sbb_.get(),
            power_.get(),         cockpit_voice_.get(),   cabin_numbers_.get(),
            cockpit_numbers_.get(), sat_ges_.get(),       transit_ges_.get(),
            failure_masks_.get(), pimbit_.get()};
}

Page_Set::~Page_Set() = default;

void Page_Set::Create_Stand_In_Main_Controls()
{
    stand_in_main_ = std::make_unique<QWidget>();
    QWidget* window = stand_in_main_.get();
    window->setObjectName(QStringLiteral("MerivaneMain"));
    window->setWindowTitle(QStringLiteral("Merivane"));
    const auto edit = [window](const char* name, int length) {
        auto* box = new QLineEdit(window);
        box->setObjectName(QString::fromLatin1(name));
        box->setMaxLength(length);
        return box;
    };
    const auto label = [window](const char* name, const char* caption) {
        auto* text = new QLabel(QString::fromLatin1(caption), window);
        text->setObjectName(QString::fromLatin1(name));
        return text;
    };
    Main.Window = window;
    Main.Control_33 = edit("Control_33", 24);
    Main.Control_53 = edit("Control_53", 24);
    Main.Control_86 = edit("Control_86", 15);
    Main.Label_86 = label("Label_86", "Part Number");
    Main.Control_87 = edit("Control_87", 15);
    Main.Label_87 = label("Label_87", "Part Number");
    Main.Label_Secure_Modified = label("Label_Secure_Modified", "Secure Partition Modified");
    Main.Label_User_Modified = label("Label_User_Modified", "User Partition Modified");
    auto* pimbit = new QPushButton(QStringLiteral("PIMBIT Presets"), window);
    pimbit->setObjectName(QStringLiteral("ShowPIMBIT"));
    Main.ShowPIMBIT = pimbit;
}
