#pragma once
// The race director's last choices survive a restart: race mode and limit are stored as the
// settings LetzterModus and LetzteGrenze whenever they change, and taken up again at start;
// the race name (RennName) becomes the current name again when the mode is not training.

#include <QObject>
#include <QString>

class Rennleitung;

class Rennvorgaben : public QObject {
    Q_OBJECT
public:
    explicit Rennvorgaben(Rennleitung& leitung, QObject* parent = nullptr);

    // Chooses the stored mode and limit as the user would (outputs switch as for a choice).
    void stelleWiederHer();

private:
    void merke();

    Rennleitung& m_leitung;
    int m_modus = -1;
    QString m_grenze;
    bool m_stellt = false;
};
