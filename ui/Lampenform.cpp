#include "ui/Lampenform.h"

#include <QPainter>

#include "darstellung/Farbwert.h"

Lampenform::Lampenform(qint32 farbe, QWidget* parent) : QWidget(parent), m_farbe(farbe) {
    setFixedSize(sizeHint());
}

void Lampenform::setzeFarbe(qint32 farbe) {
    if (m_farbe == farbe) return;
    m_farbe = farbe;
    update();
}

void Lampenform::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Farbwert::alsFarbe(m_farbe, palette()));
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawEllipse(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
}
