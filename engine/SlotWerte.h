#pragma once
// The values and statistics of one lane panel. The engine owns six of them; the SlotAnzeige
// widget shows one and follows geaendert() (or compares version()). A refresh that changes
// nothing leaves the version alone, so the widget has nothing to do.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>
#include <utility>

#include "engine/Laufart.h"

class SlotWerte : public QObject {
    Q_OBJECT
public:
    explicit SlotWerte(QObject* parent = nullptr);

    // Lane, background and text colour (0x00BBGGRR or 0x80000000 + system colour index) and
    // font size of the labels (0 keeps the layout's size). Writes the lane into "BAHN".
    void SetFixWerte(int iBahn, qint32 BFarbe, qint32 FFarbe, int Fsize);
    // Starts a new race on the panel: values, base values, fastest lap and false-start flag
    // cleared, fastest lap time 99999 ms, lap list emptied.
    void SetFirstVarWerte(const QString& fahrer, const QString& fahrerBild, const QString& autoName,
                          const QString& autoBild, Laufart rennArt, int rennLaenge);
    // Base laps and base time added by SetVarWerte (tournament stints).
    void SetSumWerte(double dSumRunde, double dSumZeit);
    // Position, last lap (ms), laps and total time (ms) after a refresh of the standings.
    void SetVarWerte(int iPos, double AktZeit, double Runden, double dGesamt);
    void SetFruehstart();
    // The fastest lap after a lap was taken back or added by hand (ms, lap number; 0: none).
    void SetzeSchnellste(double zeit, double runde);
    // The next laps this panel counts are never its best (an added lap and the one after it).
    void RundenOhneBestzeit(int anzahl) { m_ohneBestzeit = anzahl; }
    int rundenOhneBestzeit() const { return m_ohneBestzeit; }
    // The lap list anew (after a correction), oldest lap first: lap number and time in ms.
    void ersetzeRundenListe(const QVector<std::pair<int, qint32>>& runden);
    // Stores the race kind and empties the lap list (shown only outside "Rennen").
    void ChangeRennTyp(Laufart rennArt);
    // A driver and car chosen on the panel: names and pictures change, the race values stay.
    void SetzeFahrerAuto(const QString& fahrer, const QString& fahrerBild, const QString& autoName,
                         const QString& autoBild);

    int ReturnBahn() const { return m_bahn; }
    int ReturnPosition() const { return m_position; }
    double ReturnRunden() const { return m_runden; }
    double ReturnGesamtZeit() const { return m_gesamtZeit; }
    double ReturnSchnellsteRundenZeit() const { return m_schnellsteZeit; }
    double ReturnSchnellsteRunde() const { return m_schnellsteRunde; }

    // What the widget shows.
    qint32 hintergrundFarbe() const { return m_hintergrund; }
    qint32 schriftFarbe() const { return m_schrift; }
    int schriftGroesse() const { return m_schriftGroesse; }
    QString fahrer() const { return m_fahrer; }
    QString fahrerBild() const { return m_fahrerBild; }
    QString autoName() const { return m_auto; }
    QString autoBild() const { return m_autoBild; }
    Laufart rennArt() const { return m_rennArt; }
    int rennLaenge() const { return m_rennLaenge; }
    bool fruehstart() const { return m_fruehstart; }
    double letzteRunde() const { return m_rundenZeit; }
    double hochgerechneteRunden() const { return m_hochgerechnet; }
    // The text of the field with this tag ("POS", "FAHRER", "AKTR", "AKTZ", "GESAMTZ", "BAHN",
    // "AUTO", "SR", "SZ", "VE"); a null string until a value has been written (the widget
    // then keeps the field's caption). Times, the best lap and the projection read "–" until
    // there is a lap (or a best lap) to show.
    QString feldText(const QString& tag) const;
    // Lap list, newest line first, at most maxRundenZeilen lines (more than any panel shows;
    // a long practice must not make every lap dearer); shown only when the race kind is
    // not "Rennen".
    static constexpr int maxRundenZeilen = 64;
    const QStringList& rundenListe() const { return m_rundenListe; }
    // Lines added since the list was last emptied, and a count of the emptyings: a widget
    // that showed the list at (stand, zeilen) adds only the lines that are new since.
    quint64 rundenZeilenGesamt() const { return m_rundenZeilenGesamt; }
    quint64 rundenListeStand() const { return m_rundenListeStand; }
    bool rundenListeSichtbar() const { return m_rennArt != Laufart::Rennen; }

    // Grows with every change.
    quint64 version() const { return m_version; }

signals:
    void geaendert();

private:
    static QString rundenZeile(int runde, double zeit);
    void Statistik(bool besteMoeglich);
    void setzeBeste();
    void setzeFeld(const QString& tag, const QString& text);
    void leereRundenListe();
    void melde();

    int m_bahn = 0;
    qint32 m_hintergrund = 0;
    qint32 m_schrift = 0;
    int m_schriftGroesse = 0;
    QString m_fahrer, m_fahrerBild, m_auto, m_autoBild;
    // Before the first run the lap list shows, as outside races.
    Laufart m_rennArt = Laufart::Training;
    int m_rennLaenge = 0;
    bool m_fruehstart = false;
    int m_position = 0;
    double m_rundenZeit = 0;
    double m_runden = 0;
    double m_gesamtZeit = 0;
    double m_basisRunden = 0;
    double m_basisZeit = 0;
    double m_schnellsteZeit = 99999;
    double m_schnellsteRunde = 0;
    int m_ohneBestzeit = 0;
    double m_hochgerechnet = 0;
    QStringList m_rundenListe;
    quint64 m_rundenZeilenGesamt = 0;
    quint64 m_rundenListeStand = 0;
    bool m_felderAktuell = false;  // the value fields show the values held
    QStringList m_feldTags;
    QStringList m_feldTexte;
    quint64 m_version = 0;
};
