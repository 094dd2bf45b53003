#include "ui/Sprecherfenster.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace {
constexpr int figurBreite = 52;
constexpr int abstand = 10;
}  // namespace

Sprecherfenster::Sprecherfenster(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("Sprecherfenster"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Small enough for the free middle of the main window's button bar.
    setFixedSize(360, 72);
    setCursor(Qt::SizeAllCursor);
    auto* spalte = new QVBoxLayout;
    m_name = new QLabel(this);
    QFont f = m_name->font();
    f.setBold(true);
    m_name->setFont(f);
    m_text = new QLabel(this);
    QFont gross = m_text->font();
    gross.setPointSize(12);
    m_text->setFont(gross);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    spalte->addWidget(m_name);
    spalte->addWidget(m_text, 1);
    auto* zeile = new QHBoxLayout(this);
    zeile->setContentsMargins(figurBreite + 2 * abstand, abstand / 2, abstand, abstand / 2);
    zeile->addLayout(spalte);
    setzeFigur(QString());
}

void Sprecherfenster::setzeFigur(const QString& name) {
    m_name->setText(name.isEmpty() ? QStringLiteral("Pistorelle") : name);
}

void Sprecherfenster::zeigeText(const QString& text) {
    m_text->setText(text);
    m_spricht = true;
    update();
}

void Sprecherfenster::textFertig() {
    // An old sentence left standing would read as news.
    m_text->clear();
    m_spricht = false;
    update();
}

QString Sprecherfenster::text() const { return m_text->text(); }

void Sprecherfenster::platziereObenRechts() {
    QScreen* schirm = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!schirm) return;
    const QRect frei = schirm->availableGeometry();
    const QSize rahmen = frameGeometry().size().expandedTo(size());
    int x = frei.right() + 1 - rahmen.width() - abstand;
    int y = frei.top() + abstand;
    x = qMax(frei.left(), x);
    y = qMin(y, qMax(frei.top(), frei.bottom() + 1 - rahmen.height()));
    move(x, y);
}

void Sprecherfenster::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) m_griff = e->globalPosition().toPoint() - pos();
}

void Sprecherfenster::mouseMoveEvent(QMouseEvent* e) {
    if (e->buttons() & Qt::LeftButton) move(e->globalPosition().toPoint() - m_griff);
}

void Sprecherfenster::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(255, 255, 225));
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    // The character: a head whose mouth is open while it speaks.
    const QRectF kopf(abstand, (height() - figurBreite) / 2.0, figurBreite, figurBreite);
    p.setBrush(QColor(255, 200, 60));
    p.setPen(QPen(QColor(120, 80, 0), 2));
    p.drawEllipse(kopf);
    p.setBrush(Qt::black);
    const double aug = figurBreite / 10.0;
    p.drawEllipse(QPointF(kopf.left() + kopf.width() * 0.33, kopf.top() + kopf.height() * 0.38),
                  aug / 2, aug / 2);
    p.drawEllipse(QPointF(kopf.left() + kopf.width() * 0.67, kopf.top() + kopf.height() * 0.38),
                  aug / 2, aug / 2);
    const QRectF mund(kopf.left() + kopf.width() * 0.3, kopf.top() + kopf.height() * 0.6,
                      kopf.width() * 0.4, m_spricht ? kopf.height() * 0.22 : kopf.height() * 0.06);
    p.setBrush(QColor(150, 30, 30));
    p.drawEllipse(mund);
}
