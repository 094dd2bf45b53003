#pragma once
// Joins the tournament and the lane change to the main window: the buttons "Spur Wechsel" and
// "SlotRennen" (and their menu entries), the modeless tournament dialog, bringing the main
// window or the dialog to the front, and the report in the user's browser.

#include <QObject>
#include <QPointer>
#include <memory>

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
    // False: reports are written but not opened (tests).
    void setzeBerichtOeffnen(bool an) { m_berichtOeffnen = an; }

private:
    void zeigeDialog();

    Rennablauf& m_ablauf;
    frmMain& m_hauptfenster;
    std::unique_ptr<Turnier> m_turnier;
    QPointer<diaSlotRennen> m_dialog;
    bool m_berichtOeffnen = true;
};
