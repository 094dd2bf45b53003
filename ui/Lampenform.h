#pragma once
// A small round indicator filled with one colour (0x00BBGGRR): the main window's light
// indicator and its two interface indicators.

#include <QWidget>

class Lampenform : public QWidget {
    Q_OBJECT
public:
    explicit Lampenform(qint32 farbe, QWidget* parent = nullptr);
    void setzeFarbe(qint32 farbe);
    qint32 farbe() const { return m_farbe; }
    QSize sizeHint() const override { return {22, 22}; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    qint32 m_farbe;
};
