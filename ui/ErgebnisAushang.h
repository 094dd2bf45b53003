#pragma once
// The results of the last run, posted over the main window: the results window opens when the
// after-run asks for it, centred on the main window the first time, and goes out of the way
// when the next run starts (a tournament stint, power training need their standings in view).
// The "Ergebnis" entry of the Funktionen menu shows it again.

#include <QObject>
#include <QPointer>

class Hauptanzeige;
class Rennablauf;
class QWidget;
class frmErgebnis;

class ErgebnisAushang : public QObject {
    Q_OBJECT
public:
    // hauptfenster: the window it belongs to and is centred on.
    ErgebnisAushang(QWidget& hauptfenster, Rennablauf& ablauf, Hauptanzeige& anzeige);

    // Shows the last run's results again (nothing before the first run has closed).
    void zeige();
    bool hatErgebnis() const;

private:
    QWidget& m_haupt;
    Rennablauf& m_ablauf;
    QPointer<frmErgebnis> m_fenster;
};
