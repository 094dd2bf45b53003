#pragma once
// The race director's lap corrections on a lane, during a run and after it: "+1" counts a lap
// the sensor missed (now, with the time since the lane's last lap), "-1" takes back the lane's
// last lap after a false crossing. The lap rows keep a remark (" K+" on an added lap; a taken
// back lap stays with " K-" and counts nowhere), laps, total, last and best lap and the places
// are worked out again from the remaining laps, and each correction is stored in korrekturen.
// An added lap never becomes the lane's best lap, so it never sets a lap record; nor does the
// lap after it, which is timed from the moment the lap was added.

#include <QObject>
#include <QString>
#include <QStringList>

class Datenbank;
class Rennleitung;

class Rundenkorrektur : public QObject {
    Q_OBJECT
public:
    enum class Art { PlusEins, MinusEins };

    explicit Rundenkorrektur(Rennleitung& leitung, QObject* parent = nullptr);

    // Empty when the lane can take this correction now, else why not (for the user).
    QString hindernis(int bahn, Art art);
    // Carries it out; empty on success, else why not (nothing was changed then).
    QString korrigiere(int bahn, Art art, const QString& grund);

    static QString artText(Art art) {
        return art == Art::PlusEins ? QStringLiteral("+1") : QStringLiteral("-1");
    }

    // The corrections of the run whose laps are in aktrennen, one line each for the results
    // ("Bahn 2 (Bert): -1 Runde 3 – Fehlzählung").
    static QStringList desLaufs(Datenbank& db);

signals:
    void korrigiert(int bahn, const QString& art, int runde);

private:
    int slotVonBahn(int bahn);
    QString plusEins(int bahn, int slot);
    QString minusEins(int bahn, int slot, int* runde);
    // Laps, total, last and best lap of the lane from its lap rows, into the race state, the
    // standings row, the places and the panel.
    void rechneNeu(int bahn, int slot);
    bool speichere(int bahn, Art art, int runde, const QString& grund, QString* fehler);

    Rennleitung& m_leitung;
};
