#include "editor/main_window/merivane_main.h"

MerivaneMain::MerivaneMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MerivaneMain"));
    setWindowTitle(QStringLiteral("Merivane"));
}
