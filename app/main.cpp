#include <QApplication>
#include <QIcon>
#include <cstdio>

#include "app/Befehlszeile.h"
#include "config/Installation.h"
#include "ui/ProgrammStart.h"
#include "ui/diaDatenbank.h"
#include "ui/frmMain.h"

int main(int argc, char** argv) {
    // Before the application: --help and --version need no display.
    QStringList argumente;
    for (int i = 0; i < argc; ++i) argumente << QString::fromLocal8Bit(argv[i]);
    const Befehlszeile::Auswertung befehl = Befehlszeile::werte(argumente);
    switch (befehl.aktion) {
        case Befehlszeile::Aktion::Version:
        case Befehlszeile::Aktion::Hilfe:
            std::fputs(befehl.text.toLocal8Bit().constData(), stdout);
            return 0;
        case Befehlszeile::Aktion::Fehler:
            std::fputs(befehl.text.toLocal8Bit().constData(), stderr);
            return 2;
        case Befehlszeile::Aktion::Starten:
            break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pistorelle"));
    QApplication::setApplicationVersion(QStringLiteral(PISTORELLE_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Pistorelle"));
    // The window manager matches the window to the desktop entry (and its icon) by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(PISTORELLE_ANWENDUNGS_ID));
    QIcon symbol;
    symbol.addFile(QStringLiteral(":/symbol/pistorelle-48.png"));
    symbol.addFile(QStringLiteral(":/symbol/pistorelle-256.png"));
    QApplication::setWindowIcon(symbol);

    StartDialogeFenster dialoge;
    ProgrammStart start(dialoge);
    if (!start.starte(QApplication::arguments())) return start.exitCode();
    // The announcer is a tool window: the program ends with the main window alone.
    QObject::connect(start.hauptfenster(), &frmMain::geschlossen, &app, &QApplication::quit);
    return app.exec();
}
