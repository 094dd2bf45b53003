#pragma once
// Joins the tournament and the lane change to the main window: the buttons "Spur Wechsel" and
// "SlotRennen" (and their menu entries), the modeless tournament dialog, bringing the main
// window or the dialog to the front, and the report in the user's browser.

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>

class Hauptanzeige;
class Rennablauf;
class Turnier;
class diaSlotRennen;
class frmMain;

class TurnierFenster : public QObject {
    Q_OBJECT
public:
    TurnierFenster(Rennablauf& ablauf, Hauptanzeige& anzeige, frmMain& hauptfenster);
    ~TurnierFenster() override;

    Turnier& turnier() { return *m_turnier; }
    diaSlotRennen* dialog() const;
    // The series standings of the open tournament as JSON (for the live scoreboard); nullopt
    // when no tournament is open or it belongs to no series.
    std::optional<QByteArray> serieJson() const;
    // False: reports are written but not opened (tests).
    void setzeBerichtOeffnen(bool an) { m_berichtOeffnen = an; }

private:
    void zeigeDialog();
    // Opens a report in the browser, or says where it is.
    void zeigeBericht(const QString& pfad);

    Rennablauf& m_ablauf;
    frmMain& m_hauptfenster;
    std::unique_ptr<Turnier> m_turnier;
    QPointer<diaSlotRennen> m_dialog;
    bool m_berichtOeffnen = true;
};
