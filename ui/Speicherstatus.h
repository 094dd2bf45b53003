#pragma once
// The red strip "Runden werden nicht gespeichert: GRUND" over the lane panels while the
// database cannot take the counted laps; it disappears by itself once they are stored.

#include <QLabel>

class Rundensicherung;

class Speicherstatus : public QLabel {
    Q_OBJECT
public:
    Speicherstatus(Rundensicherung& sicherung, QWidget* parent);
    // Top strip of the area given, full width, when there is something to say.
    void ordneAn(const QRect& flaeche);

private:
    void zeige(const QString& text);
};
