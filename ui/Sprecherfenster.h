#pragma once
// The announcer: a small always-on-top window that shows what is being said. It is the
// program's speaking character: shown, hidden and moved like one.

#include <QWidget>

class QLabel;

class Sprecherfenster : public QWidget {
    Q_OBJECT
public:
    explicit Sprecherfenster(QWidget* parent = nullptr);

    void setzeFigur(const QString& name);
    void zeigeText(const QString& text);  // the text being spoken now
    void textFertig();                    // nothing is being spoken
    QString text() const;
    bool spricht() const { return m_spricht; }
    // Top right corner of the screen, kept fully on the screen.
    void platziereObenRechts();

protected:
    void paintEvent(QPaintEvent* e) override;
    // It has no frame: it is dragged by any point.
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    QPoint m_griff;
    QLabel* m_name = nullptr;
    QLabel* m_text = nullptr;
    bool m_spricht = false;
};
