#include "editor/main_window/about_dialog.h"

#include "editor/main_window/app_info.h"
#include "platform/message_service.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

QLabel* Add_Label(QGridLayout* grid, int row, const char* name, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    grid->addWidget(label, row, 1);
    return label;
}

} // namespace

About::About(const QString& build_text, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About ") + platform::App_Title());

    auto* grid = new QGridLayout(this);
    auto* icon = new QLabel;
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    grid->addWidget(icon, 0, 0, Qt::AlignTop);

    Add_Label(grid, 0, "lblTitle", platform::App_Title());
    Add_Label(grid, 1, "lblPartNumber",
              QStringLiteral("P/N: ") + QLatin1String(main_window::APP_PART_NUMBER));
    Add_Label(grid, 2, "lblVersion",
              QStringLiteral("Version ") + QLatin1String(main_window::APP_VERSION_TEXT) +
                  QLatin1Char(' ') + build_text);
    Add_Label(grid, 3, "lblRevision", QStringLiteral("Revision"))->hide();
    Add_Label(grid, 4, "lblDescription",
              QStringLiteral("The Owner Requirements Table tool modifies the ORT. The ORT is "
                             "part of the VRN system. It allows the customization of specific "
                             "airline and installation parameters."));
    Add_Label(grid, 5, "lblDisclaimer",
              QStringLiteral("This program is protected by copyright law. Unauthorized "
                             "reproduction or distribution is prohibited."));

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    grid->addWidget(ok, 6, 1, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
