#pragma once
// The About box: title, part number, version with build text, description
// and legal notice.

#include <QDialog>
#include <QString>

class About : public QDialog {
    Q_OBJECT
public:
    About(const QString& build_text, QWidget* parent = nullptr);
};
