#include "editor/main_window/merivane_main.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    MerivaneMain window;
    window.show();
    return app.exec();
}
