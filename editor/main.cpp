#include "editor/main_window/merivane_main.h"
#include "editor/page_set/page_set.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Page_Set pages;
    MerivaneMain window(pages);
    window.Form_Load();
    return app.exec();
}
