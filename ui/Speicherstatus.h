#pragma once
// The red strip "Runden werden nicht gespeichert: GRUND" over the lane panels while the
// database cannot take the counted laps; it disappears by itself once they are stored.

#include <QLabel>

class Rundensicherung;

class Speicherstatus : public QLabel {
    Q_OBJECT
public:
    Speicherstatus(Rundensicherung& sicherung, QWidget* parent);
    // Takes a strip off the top of the panels' area while there is something to say, so that
    // no panel value is covered; returns the area left for the panels.
    QRect ordneAn(const QRect& flaeche);

signals:
    // Shown or hidden: the panels need their place again.
    void platzGeaendert();

private:
    void zeige(const QString& text);
};
