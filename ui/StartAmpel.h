#pragma once
// The on-screen start light: two rows of five round lamps. Callers colour the lamps; the
// window lays itself out as a full-screen window, or as a centred window of its own size while
// debugging or in caution. The engine decides when it opens and closes (one second late).
// It never takes the keyboard: Stop, Alt+S and Esc stay with the main window, and pressed
// here they ask for the stop all the same. With a second screen it opens on the screen the
// main window is not on. With one screen it never covers the main window: it lies over the
// lane panels inside it, and the button bar stays free for the mouse (Stop, "Chaos Ende").

#include <QWidget>
#include <array>

class QScreen;

class StartAmpel : public QWidget {
    Q_OBJECT
public:
    static constexpr qint32 lampeAus = 0x303030;  // the lamps' resting colour
    static constexpr QSize entwurfsGroesse{560, 360};

    explicit StartAmpel(QWidget* parent = nullptr);

    // Position, size and caption, then the lamp layout.
    void Load(bool zentriert, const QString& caption);
    // Load, then show (full screen unless centred).
    void zeige(bool zentriert, const QString& caption);
    // Shown inside the main window over flaeche (its lane panels), with a line of text under
    // the lamps (empty: none).
    void zeigeIn(const QRect& flaeche, const QString& caption, const QString& hinweis);
    bool vollbild() const { return m_vollbild; }
    bool eingebettet() const { return !isWindow(); }
    // Only the main window's screen is there: the light goes inside the main window.
    bool einSchirm() const;
    QString hinweis() const { return m_hinweis; }
    void setzeHinweis(const QString& hinweis);
    // The screen the window opens on.
    QScreen* zielSchirm() const;

signals:
    // Esc or Alt+S pressed while the light had the keyboard after all.
    void stopGewuenscht();

public:
    // reihe 0 = Shape1, 1 = Shape2; colours 0x00BBGGRR.
    void setzeLampe(int reihe, int i, qint32 farbe);
    qint32 lampe(int reihe, int i) const { return m_farbe[reihe][i]; }
    void setzeAlle(qint32 farbe);
    QRect lampenRechteck(int reihe, int i) const { return m_lampe[reihe][i]; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void ordneLampenAn();

    bool m_vollbild = false;
    QString m_hinweis;
    std::array<std::array<qint32, 5>, 2> m_farbe;
    std::array<std::array<QRect, 5>, 2> m_lampe;
};
