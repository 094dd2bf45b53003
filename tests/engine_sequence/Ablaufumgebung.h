#pragma once
// The whole race sequence on the virtual clock: engine, main-window state, a temporary
// database and settings, and one time-stamped list of everything said, played, switched,
// asked and shown as a message ("T say TEXT", "T switch BahnAlle 1", ...).

#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "config/DebugLog.h"
#include "config/Einstellungen.h"
#include "config/EinstellungsSpeicher.h"
#include "config/VirtuelleUhr.h"
#include "data/Datenbank.h"
#include "engine/Ansage.h"
#include "engine/ChaosModus.h"
#include "engine/Hauptanzeige.h"
#include "engine/Nachlauf.h"
#include "engine/ProtokollHardware.h"
#include "engine/Rennablauf.h"
#include "engine/Rennkern.h"
#include "engine/Rennleitung.h"
#include "engine/Rueckfrage.h"

using H = Hauptanzeige;

// Tests set up a run state directly, as the engine classes that own it write it.
struct Pruefzugang {
    static RennZustand& zustand(Rennleitung& l) { return l.zustand(Zustandsrecht{}); }
};

class Mitschrift : public Ansage, public Rueckfrage {
public:
    explicit Mitschrift(VirtuelleUhr& uhr) : m_uhr(uhr) {}
    QStringList ereignisse;
    bool antwort = true;
    void notiere(const QString& s) {
        ereignisse << QString::number(m_uhr.virtuelleZeit()) + ' ' + s;
    }
    void SprachAusgabe(const QString& t) override { notiere("say " + t); }
    void SpieleTon(const QString& d) override { notiere("sound " + d); }
    bool frage(const QString& t) override {
        notiere("ask " + t);
        return antwort;
    }
    void meldung(const QString& t) override { notiere("message " + t); }

private:
    VirtuelleUhr& m_uhr;
};

struct Ablaufumgebung {
    QTemporaryDir ordner;
    VirtuelleUhr uhr;
    Datenbank db;
    EinstellungsSpeicher speicher;
    Einstellungen e;
    Mitschrift mit{uhr};
    std::unique_ptr<ProtokollHardware> hw;
    std::unique_ptr<Rennkern> kern;
    // The core's parts.
    Rennleitung* rl = nullptr;
    H* anzeige = nullptr;
    Rennablauf* ablauf = nullptr;
    QStringList weiter;  // captions of the notice label while shown, with their times

    // vorher: settings written to the INI before they are loaded; hardware: another recorder.
    explicit Ablaufumgebung(const std::function<void(EinstellungsSpeicher&)>& vorher = {},
                            const std::function<ProtokollHardware*(VirtuelleUhr&)>& hardware = {})
        : db(QStringLiteral("ablauf%1").arg(++nummer())),
          speicher(ordner.filePath(QStringLiteral("Pistorelle.ini"))) {
        QString fehler;
        if (!db.oeffneOderErzeuge(ordner.filePath(QStringLiteral("Pistorelle.db")), &fehler))
            qFatal("Datenbank: %s", qPrintable(fehler));
        speicher.speichere("TonAmpelAn", "an.wav");
        speicher.speichere("TonAmpelAus", "aus.wav");
        speicher.speichere("TonBeep", "");
        if (vorher) vorher(speicher);
        speicher.HoleRegWerte(e);
        e.ltfPfad = ordner.path() + QLatin1Char('/');
        hw.reset(hardware ? hardware(uhr) : new ProtokollHardware(uhr));
        QObject::connect(hw.get(), &ProtokollHardware::geschaltet,
                         [this](const QString& w, int an) {
                             mit.notiere(QStringLiteral("switch %1 %2").arg(w).arg(an));
                         });
        kern = std::make_unique<Rennkern>(Rennkern::Umgebung{uhr, db, e, speicher, mit, mit, *hw});
        rl = &kern->leitung();
        anzeige = &kern->anzeige();
        ablauf = &kern->ablauf();
        QObject::connect(anzeige, &H::geaendert, [this](H::Element el) {
            if (el == H::lblWeiter && anzeige->istVisible(H::lblWeiter))
                weiter << QString::number(t()) + ' ' + anzeige->caption(H::lblWeiter);
        });
        kern->starte();
        uhr.setzeSaat(7);
        mit.ereignisse.clear();
    }
    ~Ablaufumgebung() { kern.reset(); }
    static int& nummer() {
        static int n = 0;
        return n;
    }

    RennZustand& z() { return Pruefzugang::zustand(*rl); }
    qint64 t() const { return uhr.virtuelleZeit(); }
    // Time of the n-th event that contains text, -1 when there is none.
    qint64 zeit(const QString& text, int n = 0) const {
        for (const QString& s : mit.ereignisse)
            if (s.contains(text) && n-- == 0) return s.section(' ', 0, 0).toLongLong();
        return -1;
    }
    int anzahl(const QString& text) const {
        int k = 0;
        for (const QString& s : mit.ereignisse) k += s.contains(text) ? 1 : 0;
        return k;
    }
    // Everything said, without the times.
    QStringList gesagt() const {
        QStringList l;
        for (const QString& s : mit.ereignisse)
            if (s.section(' ', 1, 1) == QLatin1String("say")) l << s.section(' ', 2);
        return l;
    }
    void bis(qint64 zeitpunkt) { uhr.vorruecken(zeitpunkt - t()); }
    // Starts a run and returns the time of green.
    qint64 starteBisGruen() {
        ablauf->Command2_Click();
        return bisGruen();
    }
    qint64 bisGruen() {
        const qint64 ende = t() + 10000;
        while (z().AmpelPhase != 6 && t() < ende) uhr.vorruecken(10);
        return t();
    }
    // Lets time pass until StopRennen ran (at most bisMs); returns that time.
    qint64 bisGestoppt(qint64 bisMs) {
        while (!ablauf->gestoppt() && t() < bisMs)
            if (!uhr.naechsterTimer(bisMs - t())) break;
        return t();
    }
    void bisLeerlauf(qint64 bisMs = 4000000) {
        while (ablauf->beschaeftigt() && t() < bisMs)
            if (!uhr.naechsterTimer(bisMs - t())) break;
    }
    void runde(int bahn, qint64 zeitpunkt) {
        bis(zeitpunkt);
        rl->GetPortnummer(bahn);
    }
};
