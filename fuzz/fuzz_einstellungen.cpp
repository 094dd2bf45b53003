// The settings file on arbitrary bytes: the conversion into the settings record, the lane
// rotation texts, the pin texts of the parallel port, and the writer. Setting one key must
// change that key alone: every other value and every other line survives.

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "FuzzStuecke.h"
#include "config/EinstellungsSpeicher.h"
#include "config/IniDatei.h"
#include "config/VirtuelleUhr.h"
#include "hardware/LPTPinBelegung.h"
#include "hardware/ParallelPort.h"
#include "hardware/PortIOSimuliert.h"

namespace {

// A pin text as the assignment control gives it back: "AUS" or port, blank, pin 0..16; a port
// named LPT1 or LPT2 in any case in its own spelling.
bool istPin(const QString& p) {
    if (p == QLatin1String("AUS")) return true;
    const QStringList teile = p.split(QLatin1Char(' '));
    if (teile.size() != 2 || teile[0].isEmpty()) return false;
    if (teile[0].startsWith(QLatin1String("lpt"), Qt::CaseInsensitive) && teile[0].size() == 4 &&
        (teile[0][3] == u'1' || teile[0][3] == u'2') && !teile[0].startsWith(QLatin1String("LPT")))
        return false;
    bool ok = false;
    const int pin = teile[1].toInt(&ok);
    return ok && pin >= 0 && pin <= 16 && teile[1] == QString::number(pin);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    static VirtuelleUhr uhr;
    static PortIOSimuliert io;
    static const QString pfad =
        QDir::tempPath() +
        QStringLiteral("/fuzz_einstellungen_%1.ini").arg(QCoreApplication::applicationPid());
    const QByteArray inhalt(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    const IniDatei ini = IniDatei::ausInhalt(inhalt);
    // Untouched, the file is given back byte for byte.
    FUZZ_PRUEFE(ini.inhalt() == inhalt);

    Einstellungen e;
    EinstellungsSpeicher::leseWerte(ini, e);
    FUZZ_PRUEFE(e.SoundAn <= 255);
    for (int i = 1; i <= 10; ++i) FUZZ_PRUEFE(!e.ComPfad[i].trimmed().isEmpty());

    // Pin texts: parsed by the port and mirrored by the assignment control.
    ParallelPort lpt(e, &io, &uhr);
    lpt.CopyLPTErf2Array();
    // Each input is one line of its port: no mask of several bits, none outside the word.
    for (const LPTErfPaarT& p : lpt.LPTErfPaar()) {
        FUZZ_PRUEFE(p.port == p.port.toUpper() && !p.port.isEmpty());
        FUZZ_PRUEFE(p.wert == 0 ||
                    (p.wert > 0 && p.wert <= (1 << 15) && (p.wert & (p.wert - 1)) == 0));
    }
    (void)lpt.basis(QStringLiteral("LPT1"));
    (void)lpt.basis(QStringLiteral("lpt2"));
    LPTPinBelegung belegung(&lpt, &uhr);
    for (const auto& liste : {e.LPTBahn, e.LPTErf}) {
        for (int i = 1; i <= 6; ++i) {
            lpt.SchalteLPTPin(liste[i], 1);
            lpt.SchalteLPTPin(liste[i], 0);
            belegung.SetzeParameter(QStringLiteral("Bahn"), liste[i], QStringLiteral("out"), 0);
            const QString kennung = belegung.pinKennung();
            FUZZ_PRUEFE(istPin(kennung));
            // Loaded again, the control gives the same text.
            belegung.SetzeParameter(QStringLiteral("Bahn"), kennung, QStringLiteral("out"), 0);
            FUZZ_PRUEFE(belegung.pinKennung() == kennung);
        }
    }

    // Lane rotation texts read through the store from the same bytes.
    {
        QFile f(pfad);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
        f.write(inhalt);
    }
    const EinstellungsSpeicher speicher(pfad);
    for (int n = 0; n <= 9; ++n) {
        const QString m = speicher.LaufMatrix(n);
        const int bahnen = n < 1 || n > 8 ? 4 : n;
        FUZZ_PRUEFE(m.size() == bahnen && m.startsWith(QLatin1Char('1')));
        for (int b = 1; b <= bahnen; ++b) FUZZ_PRUEFE(m.count(QChar(u'0' + b)) == 1);
    }

    // The writer: the first key of the file (or a new one) gets a value made from the bytes.
    const QString abschnitt = QStringLiteral("Parameter");
    const QHash<QString, QString> vorher = ini.werte(abschnitt);
    QString schluessel = vorher.isEmpty() ? QStringLiteral("Neu") : vorher.keys().first();
    if (schluessel.contains(QLatin1Char('=')) || schluessel.contains(QLatin1Char('[')) ||
        schluessel.trimmed() != schluessel || schluessel.contains(QLatin1Char('%')) ||
        schluessel.contains(QLatin1Char(';')) || schluessel.contains(QLatin1Char('#')) ||
        schluessel.contains(QLatin1Char('\r')) || schluessel.contains(QLatin1Char('\n')))
        return 0;
    // A value with every kind of character, no lone surrogates (they have no UTF-8).
    const QString wert = QString::fromUtf8(inhalt.left(40)).remove(QChar(0xFFFD));
    IniDatei neu = ini;
    neu.setze(abschnitt, schluessel, wert);
    FUZZ_PRUEFE(neu.wert(abschnitt, schluessel) == wert);
    const IniDatei wieder = IniDatei::ausInhalt(neu.inhalt());
    FUZZ_PRUEFE(wieder.wert(abschnitt, schluessel) == wert);
    QHash<QString, QString> nachher = wieder.werte(abschnitt);
    nachher.remove(schluessel.toLower());
    QHash<QString, QString> ohne = vorher;
    ohne.remove(schluessel.toLower());
    FUZZ_PRUEFE(nachher == ohne);
    FUZZ_PRUEFE(wieder.werte(QStringLiteral("Andere")) == ini.werte(QStringLiteral("Andere")));
    return 0;
}
