#pragma once
// What the main window shows while runs start, run, pause in caution and close: captions,
// enabled and visible states of its controls, the clock, the remaining-time bar, the notice
// label, the start-light window with its ten lamps and the light indicator. The engine writes
// this state; the windows mirror it through the change signals.

#include <QObject>
#include <QString>
#include <array>

class Uhr;
class UhrTimer;

class Hauptanzeige : public QObject {
    Q_OBJECT
public:
    // Controls of the main window the race sequence changes.
    enum Element {
        Command2,   // "&Start" / "&Stop"
        Command3,   // options
        Command4,   // lane change
        Command5,   // "T&abellen" / "S&imulation"
        Command6,   // lap table window
        Command7,   // tournament
        cmdChaos,   // "Chaos" / "Chaos Ende"; visible only during a run
        Grenze,     // limit list
        Option1_0,  // ranking options 0..2
        Option1_1,
        Option1_2,
        ZeitRunden,   // end condition switch
        cbRAuswahl,   // race mode list
        RZeitAnsage,  // lap-time announcement box
        Label1,       // the clock; its caption is the clock text or "Chaos"
        Fortschritt,  // the remaining-time bar (value: fortschritt())
        lblWeiter,    // notice label of the pauses
        ElementAnzahl
    };
    Q_ENUM(Element)

    // Colour of a lamp of the start light or of the light indicator; Aus is the window's
    // normal lamp colour.
    enum class Lampe { Aus, Rot, Gruen };
    Q_ENUM(Lampe)

    // uhr drives the start-light window's delayed close.
    explicit Hauptanzeige(Uhr& uhr, QObject* parent = nullptr);
    ~Hauptanzeige() override;

    // The engine's captions, race kinds and race mode names are German keys its logic compares;
    // a window shows them through this, in the interface language. Other texts come back as
    // they are.
    static QString gezeigt(const QString& text);

    // Captions the engine never sets are empty: the window keeps its own text for them.
    QString caption(Element e) const { return m_elemente[e].caption; }
    bool istEnabled(Element e) const { return m_elemente[e].enabled; }
    bool istVisible(Element e) const { return m_elemente[e].visible; }
    void setCaption(Element e, const QString& text);
    void setEnabled(Element e, bool an);
    void setVisible(Element e, bool an);

    // Clock label in caution look (red background, caption "Chaos").
    bool label1Chaos() const { return m_label1Chaos; }
    void setLabel1Chaos(bool an);
    // Remaining time in per cent (1..100) of the remaining-time bar.
    int fortschritt() const { return m_fortschritt; }
    void setFortschritt(int prozent);
    // Command2 in its run colour (while it reads "&Stop").
    bool command2Lauffarbe() const { return m_command2Lauffarbe; }
    void setCommand2Lauffarbe(bool an);

    // ---- start-light window: two rows (1 and 2) of five lamps (0..4)
    Lampe lampe(int reihe, int i) const;
    void setLampe(int reihe, int i, Lampe farbe);  // both rows: setLampe(1, i), setLampe(2, i)
    void setReihe(int reihe, Lampe farbe);
    void setAlleLampen(Lampe farbe);
    bool startAmpelSichtbar() const { return m_ampelSichtbar; }
    // "Rennstart", or "CHAOS CHAOS CHAOS" when shown for caution (also while already open).
    QString startAmpelCaption() const { return m_ampelCaption; }
    // Centred at its own size (debug log on or caution) rather than covering the screen.
    bool startAmpelZentriert() const { return m_ampelZentriert; }
    // Shows the window (cancels a pending close); chaos: shown for caution mode.
    void zeigeStartAmpel(bool chaos);
    // Closes the window one second from now; the lamps stay visible meanwhile.
    void schliesseStartAmpel();
    bool startAmpelSchliesst() const;

    // The main window's own light indicator.
    Lampe lichtAnzeige() const { return m_lichtAnzeige; }
    void setLichtAnzeige(Lampe farbe);

    // Requests to the windows.
    void fordereRundenTabelleAn() { emit rundenTabelleAnfordern(); }
    void schliesseSimulation() { emit simulationSchliessen(); }
    void fordereErgebnisAn() { emit ergebnisAnfordern(); }

signals:
    void geaendert(Hauptanzeige::Element element);  // caption, enabled or visible
    void label1ChaosGeaendert();
    void fortschrittGeaendert();
    void command2FarbeGeaendert();
    void lampenGeaendert();
    void startAmpelGeaendert();  // visible, caption or placement
    void lichtAnzeigeGeaendert();
    void rundenTabelleAnfordern();  // open the lap table window
    void simulationSchliessen();    // close the simulation window
    void ergebnisAnfordern();       // show the results of the run just closed

private:
    struct Zustand {
        QString caption;
        bool enabled = true;
        bool visible = true;
    };
    void ampelZu();

    std::array<Zustand, ElementAnzahl> m_elemente;
    bool m_label1Chaos = false;
    int m_fortschritt = 100;
    bool m_command2Lauffarbe = false;
    std::array<std::array<Lampe, 5>, 2> m_lampen{};
    bool m_ampelSichtbar = false;
    QString m_ampelCaption = QStringLiteral("Rennstart");
    bool m_ampelZentriert = false;
    Lampe m_lichtAnzeige = Lampe::Aus;
    UhrTimer* m_ampelSchliessen = nullptr;
};
