#pragma once
// The small modal dialog that edits one cell of the transit GES table. It
// reads the selected cell's value and title from its page when it is built
// and stores the value back into the page on OK; Cancel, Escape and the
// close box store nothing.

#include <QDialog>

class Page_Transit_GES;
class QLabel;
class QLineEdit;
class QPushButton;

class Transit_GES_Dialog : public QDialog {
    Q_OBJECT
public:
    explicit Transit_GES_Dialog(Page_Transit_GES& page);

    QLineEdit* Transit_GES_Text;
    QLabel* Transit_Label;
    QPushButton* OKButton;
    QPushButton* CancelButton;

public slots:
    void OKButton_Click();
    void CancelButton_Click();

private:
    Page_Transit_GES& page_;
};
