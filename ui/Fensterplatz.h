#pragma once
// Where the small windows that live beside a race go (announcer, simulation): never over a
// lane panel's values. A window opens where it was last moved to, if that place is still on
// a screen; otherwise beside the main window, or in the free middle of its button bar, or
// over the bar. Every move is remembered in the settings (<key>X, <key>Y).

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QVector>
#include <functional>

class EinstellungsSpeicher;
class QWidget;

class Fensterplatz : public QObject {
    Q_OBJECT
public:
    // vorschlag gives the place when none is stored or the stored one is off every screen.
    Fensterplatz(QWidget* fenster, EinstellungsSpeicher& speicher, const QString& schluessel,
                 std::function<QPoint(QSize)> vorschlag);

    // Moves the window to its place (stored or proposed).
    void platziere();
    // The main window moved or changed size: a window never moved by the user follows it.
    void folge();
    bool gespeichert() const;

    // The first of these that lies wholly on the screen: right of, left of, below, above the
    // main window; then each free area (main-window coordinates turned global by the caller)
    // the window fits in; last the bottom right of the last free area, or of the screen.
    static QPoint finde(const QRect& hauptfenster, const QVector<QRect>& freieFlaechen,
                        const QSize& groesse, const QRect& schirm);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QWidget* m_fenster;
    EinstellungsSpeicher& m_speicher;
    QString m_schluessel;
    std::function<QPoint(QSize)> m_vorschlag;
    bool m_platziert = false;
    bool m_setzt = false;
};
