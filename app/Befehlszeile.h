#pragma once
// The program's command line, read before anything of Qt's GUI starts: --version and --help
// answer on a machine without a display, and a word the program does not know is named
// instead of being ignored.

#include <QString>
#include <QStringList>

namespace Befehlszeile {

enum class Aktion {
    Starten,  // start the program (the "debug" switch is read later, as before)
    Version,  // print text on stdout, exit 0
    Hilfe,    // print text on stdout, exit 0
    Fehler,   // print text on stderr, exit 2
};

struct Auswertung {
    Aktion aktion = Aktion::Starten;
    QString text;
};

// argumente: the whole command line, the program first. Qt's own options (-platform NAME,
// -style NAME, -reverse, ...) pass to Qt; besides them only "debug", --help (-h) and
// --version are known. The first error, else the first of --help and --version, decides.
Auswertung werte(const QStringList& argumente);

}  // namespace Befehlszeile
