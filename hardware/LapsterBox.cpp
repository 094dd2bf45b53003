#include "hardware/LapsterBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QVector>

#include "config/DebugLog.h"
#include "config/Uhr.h"

namespace {
const QString standardBibliothek = QStringLiteral("portalix");
const QString firmwareName = QStringLiteral("lapster.bin");
}  // namespace

LapsterBox::LapsterBox(Uhr* uhr, QObject* parent) : Zeitnahme(parent), m_uhr(uhr) { Q_ASSERT(uhr); }

LapsterBox::~LapsterBox() {
    // The handle must not outlive the program's use of the box.
    if (m_offen && m_portalix.geladen()) m_portalix.usbclose();
}

void LapsterBox::setBibliothek(const QString& name) {
    m_bibliothek = name;
    m_bindungFehlgeschlagen = false;
    if (!m_offen && m_portalix.geladen() && m_portalix.name() != bibliothek()) m_portalix.loese();
}

QString LapsterBox::bibliothek() const {
    if (!m_bibliothek.isEmpty()) return m_bibliothek;
    const QString umgebung = qEnvironmentVariable("PISTORELLE_PORTALIX");
    return umgebung.isEmpty() ? standardBibliothek : umgebung;
}

void LapsterBox::setFirmwareDatei(const QString& pfad) { m_firmwareDatei = pfad; }

QString LapsterBox::firmwareDatei() const {
    if (!m_firmwareDatei.isEmpty()) return m_firmwareDatei;
    const QString ordner =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return ordner + QLatin1Char('/') + firmwareName;
}

QString LapsterBox::zahl(qint64 n) {
    // Numbers in the trace carry a sign position: a blank when positive.
    return (n < 0 ? QString() : QStringLiteral(" ")) + QString::number(n);
}

bool LapsterBox::binde(bool erneut) {
    if (m_portalix.geladen()) return true;
    if (m_bindungFehlgeschlagen && !erneut) return false;
    if (m_portalix.lade(bibliothek())) {
        m_bindungFehlgeschlagen = false;
        SchreibeDebug(QStringLiteral("LapsterBox: Bibliothek ") + m_portalix.datei());
        return true;
    }
    m_bindungFehlgeschlagen = true;
    SchreibeDebug(QStringLiteral("LapsterBox: Bibliothek nicht geladen: ") + m_portalix.fehler());
    return false;
}

bool LapsterBox::bindeBibliothek(QString* fehler) {
    if (binde(true)) return true;
    *fehler = m_portalix.fehler();
    return false;
}

bool LapsterBox::schreibe(int adresse, int laenge, const unsigned char* daten) {
    if (!binde(false)) return false;
    // The bridge takes a non-const pointer but only reads from it.
    const bool ok = m_portalix.writeram(adresse, laenge, const_cast<unsigned char*>(daten)) == 0;
    // The box was open and stopped answering (unplugged): shown as lost, reopened later.
    if (!ok && m_offen && !m_verloren) meldeVerloren();
    return ok;
}

QString LapsterBox::grundAktiv() const { return tr("USB-Rennbox über %1").arg(bibliothek()); }

void LapsterBox::meldeVerloren() {
    m_verloren = true;
    SchreibeDebug(QStringLiteral("LapsterBox: keine Antwort, Verbindung verloren"));
    emit zustand(Status::VerbindungVerloren,
                 tr("USB-Rennbox antwortet nicht (%1), neuer Versuch alle 2 s").arg(bibliothek()));
}

bool LapsterBox::bindeOderMelde() {
    if (binde(true)) return true;
    emit zustand(Status::TreiberFehlt, tr("Bibliothek der USB-Rennbox (%1) nicht geladen: %2")
                                           .arg(bibliothek(), m_portalix.fehler()));
    return false;
}

bool LapsterBox::pruefeVerbindung() {
    if (m_offen) return true;
    if (!bindeOderMelde()) return false;
    const bool da = m_portalix.usbopen() == 0;
    m_portalix.usbclose();
    if (da)
        emit zustand(Status::Aktiv, grundAktiv());
    else
        emit zustand(
            Status::KeineVerbindung,
            tr("Keine USB-Rennbox gefunden (%1), neuer Versuch alle 2 s").arg(bibliothek()));
    return da;
}

bool LapsterBox::verbindeWieder() {
    if (!m_sollOffen) return pruefeVerbindung();
    if (m_offen && !m_verloren) return true;
    if (m_portalix.geladen()) m_portalix.usbclose();
    if (!bindeOderMelde() || m_portalix.usbopen() != 0) return false;
    m_offen = true;
    m_verloren = false;
    if (!firmwareDa()) {
        // Power-cycled: the controller lost the image with its RAM.
        SchreibeDebug(QStringLiteral("LapsterBox: Firmware fehlt, wird neu geladen"));
        if (!LoadFirmWare()) {
            m_portalix.usbclose();
            m_offen = false;
            m_verloren = true;
            return false;
        }
    }
    // A box that went on counting keeps its counters: what it counted meanwhile arrives with
    // the next read, once. One that started again from 0 (power cycle) is taken as it is now.
    for (int z = 0; z < anzahlSpuren; ++z) {
        const int zaehler = m_portalix.readram(adrZaehler(z));
        if (((zaehler - m_letzterZaehler[z]) & 0xFF) > 127) {
            SchreibeDebug(
                QStringLiteral("LapsterBox: Zähler Spur%1 neu bei%2").arg(zahl(z), zahl(zaehler)));
            m_letzterZaehler[z] = zaehler;
        }
    }
    SchreibeDebug(QStringLiteral("LapsterBox: wieder verbunden"));
    emit zustand(Status::Aktiv, grundAktiv());
    return true;
}

bool LapsterBox::firmwareDa() {
    if (m_markerAdresse < 0) return true;
    return m_portalix.readram(m_markerAdresse) == m_markerWert ||
           m_portalix.readram(m_markerAdresse) == m_markerWert;
}

void LapsterBox::schreibeAmpel(unsigned char wert) { schreibe(adrAmpel, 1, &wert); }

void LapsterBox::puls() {
    schreibeAmpel(0);
    schreibeAmpel(1);
    schreibeAmpel(0);
}

bool LapsterBox::warte(double sekunden, quint64 lauf) {
    QPointer<LapsterBox> selbst(this);
    const bool ausgewartet = m_uhr->Warte(sekunden);
    if (!selbst) return false;
    return ausgewartet && lauf == m_ampelLauf;
}

bool LapsterBox::LoadFirmWare() {
    SchreibeDebug(QStringLiteral("LoadFirmWare: Anfang "));
    const QString pfad = firmwareDatei();
    QFile datei(pfad);
    QString problem;
    QByteArray bild;
    if (!QFileInfo::exists(pfad)) {
        problem = tr("Die Firmware der Box fehlt: %1").arg(QDir::toNativeSeparators(pfad));
    } else if (!datei.open(QIODevice::ReadOnly)) {
        problem = tr("Die Firmware der Box ist nicht lesbar: %1 (%2)")
                      .arg(QDir::toNativeSeparators(pfad), datei.errorString());
    } else if (datei.size() > maxFirmware) {
        problem = tr("Die Firmware der Box ist zu groß: %1").arg(QDir::toNativeSeparators(pfad));
    } else {
        bild = datei.readAll();
        if (datei.error() != QFileDevice::NoError)
            problem = tr("Die Firmware der Box ist nicht lesbar: %1 (%2)")
                          .arg(QDir::toNativeSeparators(pfad), datei.errorString());
        else if (bild.isEmpty())
            problem = tr("Die Firmware der Box ist leer: %1").arg(QDir::toNativeSeparators(pfad));
    }
    if (!problem.isEmpty()) {
        // Without an image the controller keeps running what it has; it is not put in reset.
        SchreibeDebug(QStringLiteral("LoadFirmWare: nicht geladen: ") + problem);
        emit meldung(problem);
        return false;
    }
    SchreibeDebug(QStringLiteral("LoadFirmWare: Daten gelesen "));

    const unsigned char anhalten = 0x01;
    bool ok = schreibe(adrCpuReset, 1, &anhalten);
    SchreibeDebug(QStringLiteral("LoadFirmWare: Reset Modus "));
    // One transfer may carry at most maxBlock bytes: the image goes in consecutive blocks.
    const auto* daten = reinterpret_cast<const unsigned char*>(bild.constData());
    for (qsizetype ab = 0; ok && ab < bild.size(); ab += maxBlock) {
        const int n = static_cast<int>(qMin<qsizetype>(maxBlock, bild.size() - ab));
        ok = schreibe(static_cast<int>(ab), n, daten + ab);
    }
    if (!ok) {
        // A half-written image must not run: the controller stays in reset.
        SchreibeDebug(QStringLiteral("LoadFirmWare: i 1"));
        emit meldung(tr("Die Firmware konnte nicht in die Box geladen werden."));
        return false;
    }
    const unsigned char starten = 0x00;
    ok = schreibe(adrCpuReset, 1, &starten);
    SchreibeDebug(QStringLiteral("LoadFirmWare: i ") + QString::number(ok ? 0 : 1));
    // readram(a) gives the second byte of the word at a: the first such byte of the image
    // that is not 0 tells later whether the image is still there.
    m_markerAdresse = -1;
    for (qsizetype a = 0; ok && a + 1 < bild.size(); a += 2) {
        if (bild[a + 1] == 0) continue;
        m_markerAdresse = int(a);
        m_markerWert = static_cast<unsigned char>(bild[a + 1]);
        break;
    }
    return ok;
}

void LapsterBox::ResetBox() {
    SchreibeDebug(QStringLiteral("ResetBox Anfang"));
    m_letzterZaehler.fill(0);
    m_letzteZeit.fill(0);
    SchreibeDebug(QStringLiteral("ResetBox Var sind 0"));
    const unsigned char null[2] = {0, 0};
    for (int z = 0; z < anzahlSpuren; ++z) {
        for (int adresse :
             {adrMinuten(z), adrSekunden(z), adrZehntel(z), adrMillis(z), adrZaehler(z)})
            schreibe(adresse, 2, null);
        SchreibeDebug(QStringLiteral("ResetBox z ") + QString::number(z));
    }
}

void LapsterBox::LapsterBoxOpen(bool Zuruecksetzen) {
    m_sollOffen = true;
    if (!m_offen) {
        // A library that failed before may be there now (installed, or another name set).
        const bool gebunden = bindeOderMelde();
        if (!gebunden || m_portalix.usbopen() != 0) {
            SchreibeDebug(QStringLiteral("LapsterBoxOpen: Kein Kontakt zur Box"));
            emit meldung(tr("Kein Kontakt zur Box"));
            if (gebunden)
                emit zustand(Status::KeineVerbindung,
                             tr("Kein Kontakt zur USB-Rennbox (%1), neuer Versuch alle 2 s")
                                 .arg(bibliothek()));
            return;
        }
        m_offen = true;
        m_verloren = false;
        m_markerAdresse = -1;
        emit zustand(Status::Aktiv, grundAktiv());
        if (Zuruecksetzen) ResetBox();
    }
    SchreibeDebug(QStringLiteral("LapsterBoxOpen: Offen"));
}

void LapsterBox::LapsterBoxClose() {
    if (binde(false)) m_portalix.usbclose();
    m_offen = false;
    m_sollOffen = false;
    m_verloren = false;
    SchreibeDebug(QStringLiteral("LapsterBoxClose: zu"));
}

void LapsterBox::LapsterBoxReset() {
    SchreibeDebug(QStringLiteral("LapsterBoxReset: Start"));
    ResetBox();
    SchreibeDebug(QStringLiteral("LapsterBoxReset: Ende"));
}

void LapsterBox::LapsterBoxInit() {
    SchreibeDebug(QStringLiteral("LapsterBoxInit: LapsterBoxOffen ") +
                  (m_offen ? QStringLiteral("Wahr") : QStringLiteral("Falsch")));
    if (!m_offen) return;
    SchreibeDebug(QStringLiteral("LapsterBoxInit: LoadFirmWare "));
    LoadFirmWare();
}

void LapsterBox::pruefeAntwort(bool alleNull, bool gezaehlt) {
    // A failed read gives 0 like a cleared counter: all counters 0 after laps were counted,
    // or the marker gone, is how a box looks that is unplugged or was switched off and on.
    // Nothing more is read here; the 2 s service opens it again.
    if ((alleNull && gezaehlt) || !firmwareDa()) meldeVerloren();
}

void LapsterBox::LapsterBoxReadTimer() {
    // Nothing is read from a lost box: no lap is made up from failed reads.
    if (!m_offen || m_verloren) return;
    bool gezaehlt = false;
    for (int z : m_letzterZaehler) gezaehlt = gezaehlt || z != 0;
    bool alleNull = true;
    for (int z = 0; z < anzahlSpuren; ++z) {
        // Checked per lane: a slot connected to rundeErfasst may have closed the box.
        if (!m_offen) return;
        int zaehler = m_portalix.readram(adrZaehler(z));
        // The byte counter wraps; a step of 1..127 is new laps, anything else is no lap.
        int schritt = (zaehler - m_letzterZaehler[z]) & 0xFF;
        if (schritt < 1 || schritt > 127) {
            alleNull = alleNull && zaehler == 0;
            continue;
        }
        // A failed read gives 0 and would look like a step once the counter is past 128:
        // a change only counts when a second read confirms it.
        const int bestaetigt = m_portalix.readram(adrZaehler(z));
        alleNull = alleNull && bestaetigt == 0;
        if (((bestaetigt - zaehler) & 0xFF) > 1) continue;
        zaehler = bestaetigt;
        schritt = (zaehler - m_letzterZaehler[z]) & 0xFF;
        if (schritt < 1 || schritt > 127) continue;

        const int verpasst = schritt - 1;
        const qint32 t = 60000 * m_portalix.readram(adrMinuten(z)) +
                         1000 * m_portalix.readram(adrSekunden(z)) +
                         100 * m_portalix.readram(adrZehntel(z)) + m_portalix.readram(adrMillis(z));
        // No lap lasts 0 ms: all four time reads failed. Try again on the next tick.
        if (t == 0) continue;
        m_letzteZeit[z] = t;
        m_letzterZaehler[z] = zaehler;
        if (t == keineRunde) continue;
        SchreibeDebug(QStringLiteral("LapsterBoxReadTimer: ZeitSpeicherSpur(") + zahl(z) +
                      QStringLiteral(") ") + zahl(t) +
                      (verpasst > 0 ? QStringLiteral(" verpasst") + zahl(verpasst) : QString()));
        // The counter stepped by more than one: the laps in between were counted by the box,
        // only the last one's time is in the cells.
        emit rundeErfasst(z + 1, t, 0, verpasst);
    }
    if (m_offen && !m_verloren) pruefeAntwort(alleNull, gezaehlt);
}

bool LapsterBox::AmpelReset1(quint64 lauf) {
    SchreibeDebug(QStringLiteral("AmpelReset1: Start"));
    schreibeAmpel(0);
    schreibeAmpel(2);
    if (!warte(0.21, lauf)) return false;
    schreibeAmpel(0);
    if (!warte(0.1, lauf)) return false;
    puls();
    SchreibeDebug(QStringLiteral("AmpelReset1: Reset OK"));
    return true;
}

void LapsterBox::AmpelReset() {
    const quint64 lauf = ++m_ampelLauf;
    SchreibeDebug(QStringLiteral("AmpelReset: Anfang"));
    if (!AmpelReset1(lauf)) return;
    SchreibeDebug(QStringLiteral("AmpelReset: Ende"));
}

void LapsterBox::AmpelVorstart() {
    const quint64 lauf = ++m_ampelLauf;
    SchreibeDebug(QStringLiteral("AmpelVorstart: Start"));
    SchreibeDebug(QStringLiteral("AmpelVorstart: Len(b) 1"));
    schreibeAmpel(0);
    SchreibeDebug(QStringLiteral("AmpelVorstart: Erster WriteRam"));
    schreibeAmpel(2);
    if (!warte(0.21, lauf)) return;
    SchreibeDebug(QStringLiteral("AmpelVorstart: Zweiter WriteRam"));
    schreibeAmpel(0);
    SchreibeDebug(QStringLiteral("AmpelVorstart: Reset OK"));
    for (int i = 0; i < 5; ++i) {
        if (!warte(0.1, lauf)) return;
        puls();
    }
    SchreibeDebug(QStringLiteral("AmpelVorstart: Vorstart OK"));
}

bool LapsterBox::AmpelWeiter1(quint64 lauf) {
    SchreibeDebug(QStringLiteral("AmpelWeiter1: Anfang"));
    if (!warte(0.1, lauf)) return false;
    puls();
    SchreibeDebug(QStringLiteral("AmpelWeiter1: OK"));
    return true;
}

void LapsterBox::AmpelWeiter() {
    const quint64 lauf = ++m_ampelLauf;
    SchreibeDebug(QStringLiteral("AmpelWeiter: Anfang"));
    if (!AmpelWeiter1(lauf)) return;
    SchreibeDebug(QStringLiteral("AmpelWeiter: Ende"));
}
