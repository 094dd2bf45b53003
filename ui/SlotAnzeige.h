#pragma once
// One lane panel on the main window: two rows of value fields, the driver and car pictures,
// the lap list of practice runs and a separator line. It shows the SlotWerte the engine owns
// and keeps only its own layout (fields, widths, fonts). Where the panel is tall enough the
// number fields carry a small caption (Runden, Letzte, Gesamt, Beste…) in their top left
// corner; a false start shows the word in the car's field until the next run.

#include <QPointer>
#include <QString>
#include <QVector>
#include <QWidget>
#include <array>
#include <optional>

class QLabel;
class QListWidget;
class SlotWerte;
struct Einstellungen;

// One display field; the member names are the keys the layout is saved under.
struct AnzeigeFeld {
    QString Text;                           // caption until a value arrives; tooltip of a picture
    quint8 Anzeige = 1;                     // 1 = shown
    QString Type = QStringLiteral("Info");  // "Info" or "Bild"
    QString Tag;
    qint16 Prozent = 0;  // share of the panel width; 0 marks the row's stretch field
    qint16 Hoehe = 2;
    QString SchriftName = QStringLiteral("Arial");
    bool SchriftBold = false;
    qint16 SchriftGroesse = 48;
};

class SlotAnzeige : public QWidget {
    Q_OBJECT
public:
    // Lanes of the panels shown in fenster, by their place on screen, top first.
    static QVector<int> bahnenVonOben(const QVector<SlotAnzeige*>& panels, const QWidget* fenster);
    static constexpr int anzahlPositionen = 6;  // 0..4 text fields, 5 the picture pair
    static constexpr int bildPosition = 5;

    // e: BilderAnzeigen at creation and ltfPfad when the layout is saved.
    // bildschirmHoehe: pixels of the screen (the fonts follow it); -1 asks the primary screen.
    SlotAnzeige(SlotWerte& werte, const Einstellungen& e, int bildschirmHoehe = -1,
                QWidget* parent = nullptr);

    SlotWerte& werte() const { return m_werte; }
    static int schriftGroesseFuer(int bildschirmHoehe);

    // ou: 0 top row, 1 bottom row.
    const AnzeigeFeld& feld(int ou, int position) const { return m_feld[ou][position]; }
    int GetAnzeigeIndex(int ou, const QString& sTag) const;
    // 1 shows both pictures, any other value hides them; widths and layout follow.
    void ShowBilder(int iSB);
    void BerechneBreiten();
    // Writes positions 0..4 of both rows to ltfPfad + "Pistorelle.INI".
    void SpeichereAnzeige();

    QLabel* label(int ou, int position) const { return m_label[ou][position]; }
    // The field's small caption (hidden where it does not fit or the field has none).
    QLabel* titel(int ou, int position) const { return m_titel[ou][position]; }
    QLabel* bild(int ou) const { return m_bild[ou]; }
    QListWidget* rundenListe() const { return m_liste; }
    QWidget* trennLinie() const { return m_linie; }
    int trennLinieY() const;

signals:
    void fahrerDoppelklick();  // driver field: the driver-and-car choice
    void rundenDoppelklick();  // laps field: lap-time announcement on/off

protected:
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void baueStandardLayout(int bilderAnzeigen, int schrift);
    void konfiguriere();
    void ordneAn();
    void uebernehmeWerte();
    void zeigeRundenListe();
    void passeSchriftenAn();
    QString schriftSchluessel() const;
    void ladeBild(int ou, const QString& pfad);

    SlotWerte& m_werte;
    const Einstellungen& m_e;
    std::array<std::array<AnzeigeFeld, anzahlPositionen>, 2> m_feld;
    std::array<int, 2> m_stretch{1, 1};
    std::array<std::array<QLabel*, 5>, 2> m_label{};
    std::array<std::array<QLabel*, 5>, 2> m_titel{};
    std::array<QLabel*, 2> m_bild{};
    std::array<QString, 2> m_bildPfad;
    QListWidget* m_liste = nullptr;
    QWidget* m_linie = nullptr;
    int m_listenSchrift = 0;  // 0: the list keeps its default size
    QString m_schriftSchluessel;  // what the fonts were last fitted for
    quint64 m_gezeigteVersion = ~quint64(0);
    quint64 m_listenStand = ~quint64(0);  // rundenListeStand()/-ZeilenGesamt() of the list shown
    quint64 m_listenZeilen = 0;
    struct Faerbung {
        qint32 hinten = 0, schrift = 0;
        bool fruehstart = false;
        bool operator==(const Faerbung&) const = default;
    };
    std::optional<Faerbung> m_faerbung;  // colours last set on the labels
};
