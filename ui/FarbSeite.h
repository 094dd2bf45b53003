#pragma once
// The colour page of the options: six samples "Slot 1".."Slot 6" with their background and
// text colour buttons, and the schemes "Default Farbe", "Dunkle Farbe", "Helle Farbe",
// "Meine Farbe" and "Meine Farbe speichern". Colours are 0x00BBGGRR or system colour values;
// the page changes only what the user picked, so an untouched system colour stays one.

#include <QWidget>
#include <array>
#include <functional>

class EinstellungsSpeicher;
class QLabel;
class QPushButton;
class Rueckfrage;

class FarbSeite : public QWidget {
    Q_OBJECT
public:
    // The colour chooser: the current colour in, the chosen one out (invalid: cancelled).
    using FarbWahl = std::function<QColor(const QColor&)>;
    enum Schema { Default, Dunkel, Hell };

    FarbSeite(EinstellungsSpeicher& speicher, Rueckfrage& frage, QWidget* parent = nullptr);

    void setzeFarbWahl(FarbWahl wahl) { m_farbWahl = std::move(wahl); }
    // Lane 1..6.
    void setzeFarben(int bahn, qint32 hintergrund, qint32 schrift);
    qint32 farbe(int bahn) const { return m_farbe.at(size_t(bahn)); }
    qint32 fontFarbe(int bahn) const { return m_font.at(size_t(bahn)); }
    QLabel* probe(int bahn) const { return m_probe.at(size_t(bahn)); }

    // Each asks its question first and acts only on yes.
    void waehleSchema(Schema s);
    void MeineFarbe_Click();
    void MeineFarbeSpeichern_Click();
    void SlotFarbe_Click(int bahn);
    void SchriftFarbe_Click(int bahn);

    // The scheme's values (background, text) of lane 1..6.
    static std::pair<qint32, qint32> schemaFarben(Schema s, int bahn);

private:
    void zeige(int bahn);

    EinstellungsSpeicher& m_speicher;
    Rueckfrage& m_frage;
    FarbWahl m_farbWahl;
    std::array<qint32, 7> m_farbe{};
    std::array<qint32, 7> m_font{};
    std::array<QLabel*, 7> m_probe{};
};
