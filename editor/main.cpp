#include "editor/main_window/main_program.h"
#include "editor/page_set/page_set.h"

#include <QApplication>

#include <csignal>

int main(int argc, char** argv)
{
    // A save past the file-size limit then fails with a full-disk error
    // instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    Page_Set pages;
    main_window::Main_Program program(pages);
    program.Start();
    return app.exec();
}
