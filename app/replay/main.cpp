// pistorelle-replay [--db FILE] [--settings FILE] [--debug] SCENARIO
// Runs a race scenario on the virtual clock and prints what the program would say, play,
// switch and ask.

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include "app/replay/ReplayLauf.h"

namespace {
int gebrauch(QTextStream& fehler) {
    fehler << "Aufruf: pistorelle-replay [--db DATEI] [--settings DATEI] [--debug] SZENARIO"
           << Qt::endl;
    return ReplayLauf::Szenariofehler;
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream aus(stdout);
    QTextStream fehler(stderr);

    ReplayOptionen optionen;
    QString szenario;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == QLatin1String("--db") && i + 1 < args.size()) {
            optionen.datenbank = args.at(++i);
        } else if (a == QLatin1String("--settings") && i + 1 < args.size()) {
            optionen.einstellungen = args.at(++i);
        } else if (a == QLatin1String("--debug")) {
            optionen.debug = true;
        } else if (a.startsWith(QLatin1String("--")) || !szenario.isEmpty()) {
            return gebrauch(fehler);
        } else {
            szenario = a;
        }
    }
    if (szenario.isEmpty()) return gebrauch(fehler);

    QFile datei(szenario);
    if (!datei.open(QIODevice::ReadOnly | QIODevice::Text)) {
        fehler << "Kann Szenario " << szenario << " nicht lesen: " << datei.errorString()
               << Qt::endl;
        return ReplayLauf::Dateifehler;
    }
    const QString text = QString::fromUtf8(datei.readAll());

    ReplayLauf lauf(optionen, aus, fehler);
    const int code = lauf.oeffne();
    if (code != ReplayLauf::Erfolg) return code;
    return lauf.fuehreAus(text);
}
