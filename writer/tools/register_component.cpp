// Registers (or unregisters) a component library in a registration store:
//   register_component [--unregister] [--best-effort] [--store STORE] LIBRARY
// Without --store the default store of the user is used. The build runs it
// on the library it has just linked, with --best-effort: a store it cannot
// write is reported as a warning and does not stop the build.

#include "platform/component_loader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

namespace rc = platform::component;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    bool unregister = false;
    bool best_effort = false;
    bool usage_error = false;
    QString store_path;
    QString library;
    while (!args.isEmpty() && !usage_error) {
        const QString a = args.takeFirst();
        if (a == QLatin1String("--unregister"))
            unregister = true;
        else if (a == QLatin1String("--best-effort"))
            best_effort = true;
        else if (a == QLatin1String("--store") && !args.isEmpty())
            store_path = args.takeFirst();
        else if (library.isEmpty() && !a.startsWith(QLatin1String("--")))
            library = QFileInfo(a).absoluteFilePath();
        else
            usage_error = true;
    }
    if (library.isEmpty() || usage_error) {
        std::fprintf(stderr, "usage: register_component [--unregister] [--best-effort] [--store STORE] LIBRARY\n");
        return 2;
    }
    const rc::Registration_Store store(store_path);
    const rc::Result r = unregister ? rc::Unregister_Server(library, store) : rc::Register_Server(library, store);
    if (rc::Failed(r)) {
        std::fprintf(stderr, "%s%s of %s in %s failed: 0x%s\n", best_effort ? "warning: " : "",
                     unregister ? "Unregistration" : "Registration", qPrintable(library),
                     qPrintable(store.Path()), qPrintable(rc::Result_Text(r)));
        return best_effort ? 0 : 1;
    }
    std::printf("%s %s in %s\n", unregister ? "Unregistered" : "Registered", qPrintable(library),
                qPrintable(store.Path()));
    return 0;
}
