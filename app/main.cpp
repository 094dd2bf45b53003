#include <QApplication>

#include "Installation.h"
#include "ProgrammStart.h"
#include "diaDatenbank.h"
#include "frmMain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pistorelle"));
    QApplication::setApplicationVersion(QStringLiteral(PISTORELLE_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Pistorelle"));

    StartDialogeFenster dialoge;
    ProgrammStart start(dialoge);
    if (!start.starte(QApplication::arguments())) return start.exitCode();
    // The announcer is a tool window: the program ends with the main window alone.
    QObject::connect(start.hauptfenster(), &frmMain::geschlossen, &app, &QApplication::quit);
    return app.exec();
}
