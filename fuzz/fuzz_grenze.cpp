// The limit text of the main window, as typed, through the race engine: the number read from
// it decides the range message, and in training the Quali/Training switch.

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include "FuzzStuecke.h"
#include "config/Einstellungen.h"
#include "config/EinstellungsSpeicher.h"
#include "config/VirtuelleUhr.h"
#include "data/Datenbank.h"
#include "engine/Ansage.h"
#include "engine/ProtokollHardware.h"
#include "engine/RennZustand.h"
#include "engine/Rennleitung.h"
#include "engine/Rueckfrage.h"

namespace {

struct Stumm : Ansage {
    void SprachAusgabe(const QString&) override {}
    void SpieleTon(const QString&) override {}
};
struct Zaehler : Rueckfrage {
    int meldungen = 0;
    bool frage(const QString&) override { return true; }
    void meldung(const QString&) override { ++meldungen; }
};

struct Umgebung {
    QTemporaryDir ordner;
    VirtuelleUhr uhr;
    Datenbank db;
    EinstellungsSpeicher speicher{ordner.filePath(QStringLiteral("Pistorelle.ini"))};
    Einstellungen e;
    Stumm ansage;
    Zaehler rueckfrage;
    ProtokollHardware hw{uhr};
    std::unique_ptr<Rennleitung> rl;
    Umgebung() {
        if (!db.oeffneOderErzeuge(ordner.filePath(QStringLiteral("Pistorelle.db")))) std::abort();
        speicher.HoleRegWerte(e);
        e.ltfPfad = ordner.path() + QLatin1Char('/');
        rl = std::make_unique<Rennleitung>(uhr, db, e, speicher, ansage, rueckfrage, hw);
        rl->SetzeTexte();
        rl->MyInit();
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    static int argc = 1;
    static char name[] = "fuzz_grenze";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static Umgebung u;
    if (groesse == 0) return 0;
    // The first byte picks race mode and ranking, the rest is the text.
    // (Switching them costs a database round; only on a change.)
    static int modus = -1, wertung = -1;
    if (daten[0] % 5 != modus) u.rl->cbRAuswahl_Click(modus = daten[0] % 5);
    if (daten[0] / 5 % 3 != wertung) u.rl->Option1_Click(wertung = daten[0] / 5 % 3);
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(daten + 1), qsizetype(groesse - 1));
    u.rl->setzeGrenze(text);
    const double zahl = u.rl->grenzeZahl();
    const int vorher = u.rueckfrage.meldungen;
    const bool gut = u.rl->Grenze_Validate();
    FUZZ_PRUEFE(gut == (zahl >= 1 && zahl <= 300));
    FUZZ_PRUEFE(u.rueckfrage.meldungen - vorher == (gut ? 0 : 1));
    FUZZ_PRUEFE(u.rl->zustand().Grenze == text);  // the text stays as typed
    // A text starting with plain digits reads as their number.
    qsizetype n = 0;
    const QString t = text.trimmed();
    while (n < t.size() && n < 6 && t[n] >= u'0' && t[n] <= u'9') ++n;
    if (n > 0 && (n == t.size() || (t[n] != u'.' && !t[n].isDigit())))
        FUZZ_PRUEFE(zahl == t.left(n).toDouble());
    return 0;
}
