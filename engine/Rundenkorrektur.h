#pragma once
// The race director's lap corrections on a lane, during a run and after it: "+1" counts a lap
// the sensor missed (now, with the time since the lane's last lap), "-1" takes back a lap after
// a false crossing. The question names the lap; when laps came in while it was open, exactly
// the named lap is taken back and the next lap, which the false crossing had cut short, is
// timed from the crossing before it (and the laps after it move down by one number).
// The lap rows keep a remark (" K+" on an added lap; a taken back lap stays with " K-" and
// counts nowhere); laps, total, last and best lap and the places are worked out again from
// the laps the engine keeps, and each correction goes to korrekturen. The rows are written by
// the lap writer behind the laps they concern, never beside it.
// An added lap never becomes the lane's best lap, so it never sets a lap record; nor does the
// lap after it, which is timed from the moment the lap was added.

#include <QObject>
#include <QString>

#include "engine/Laufrunden.h"

class Rennleitung;

class Rundenkorrektur : public QObject {
    Q_OBJECT
public:
    enum class Art { PlusEins, MinusEins };

    explicit Rundenkorrektur(Rennleitung& leitung, QObject* parent = nullptr);

    // Empty when the lane can take this correction now, else why not (for the user).
    QString hindernis(int bahn, Art art);
    // The driver on the lane.
    QString fahrer(int bahn) const;
    // The lap "-1" takes back now: the lane's last lap that counts (schluessel 0: none).
    Laufrunden::Runde letzteRunde(int bahn) const;
    // While the question about a lap is open: what has changed since, for the question
    // (empty while it is still the lane's last lap).
    QString seitDerFrage(int bahn, qint64 schluessel) const;
    // Carries it out; empty on success, else why not (nothing was changed then). "-1" takes
    // back the lap with this key, or with 0 the lane's last lap now.
    QString korrigiere(int bahn, Art art, const QString& grund, qint64 schluessel = 0);

    static QString artText(Art art) {
        return art == Art::PlusEins ? QStringLiteral("+1") : QStringLiteral("-1");
    }

signals:
    void korrigiert(int bahn, const QString& art, int runde);

private:
    int slotVonBahn(int bahn) const;
    QString plusEins(int bahn, int slot);
    QString minusEins(int bahn, int slot, qint64 schluessel, int* runde);
    // Laps, total, last and best lap of the lane from its laps, into the race state, the
    // standings row, the places and the panel.
    void rechneNeu(int bahn, int slot, bool letzteWeg);
    // The correction's row in korrekturen, and with "-1" the marks on the lap rows, through
    // the lap writer.
    void speichere(int bahn, Art art, int runde, const QString& grund,
                   const Laufrunden::Ruecknahme* weg);

    Rennleitung& m_leitung;
};
