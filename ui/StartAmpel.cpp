#include "ui/StartAmpel.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "darstellung/Farbwert.h"

namespace {
constexpr int twips(int t) { return (t + 14) / 15; }
constexpr Qt::WindowFlags fensterArt =
    Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus;
}  // namespace

StartAmpel::StartAmpel(QWidget* parent) : QWidget(parent, fensterArt) {
    setObjectName(QStringLiteral("StartAmpel"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(tr("Start"));
    resize(entwurfsGroesse);
    for (auto& reihe : m_farbe) reihe.fill(lampeAus);
    ordneLampenAn();
}

QScreen* StartAmpel::zielSchirm() const {
    const QWidget* haupt = parentWidget();
    QScreen* hauptSchirm = haupt ? haupt->screen() : QGuiApplication::primaryScreen();
    for (QScreen* s : QGuiApplication::screens())
        if (s != hauptSchirm) return s;
    return hauptSchirm ? hauptSchirm : screen();
}

bool StartAmpel::einSchirm() const {
    const QWidget* haupt = parentWidget();
    return haupt && zielSchirm() == haupt->screen();
}

void StartAmpel::zeigeIn(const QRect& flaeche, const QString& caption, const QString& hinweis) {
    if (isWindow()) setParent(parentWidget(), Qt::Widget);
    m_vollbild = false;
    m_hinweis = hinweis;
    setWindowTitle(caption);
    setGeometry(flaeche);
    ordneLampenAn();
    show();
    raise();
}

void StartAmpel::setzeHinweis(const QString& hinweis) {
    if (hinweis == m_hinweis) return;
    m_hinweis = hinweis;
    update();
}

void StartAmpel::keyPressEvent(QKeyEvent* e) {
    const bool altS = e->key() == Qt::Key_S && (e->modifiers() & Qt::AltModifier);
    if (e->key() == Qt::Key_Escape || altS) {
        emit stopGewuenscht();
        return;
    }
    QWidget::keyPressEvent(e);
}

void StartAmpel::Load(bool zentriert, const QString& caption) {
    // Back to a window of its own (it may have been inside the main window before).
    if (!isWindow()) setParent(parentWidget(), fensterArt);
    m_hinweis.clear();
    QScreen* schirm = zielSchirm();
    if (schirm && schirm != screen()) {
        if (!windowHandle()) create();
        windowHandle()->setScreen(schirm);
    }
    const QRect s = schirm ? schirm->geometry() : QRect(0, 0, 1024, 768);
    move(s.topLeft());
    m_vollbild = !zentriert;
    if (m_vollbild) {
        setGeometry(s);
    } else {
        resize(entwurfsGroesse);
        move(s.left() + (s.width() - width()) / 2, s.top() + (s.height() - height()) / 2);
    }
    setWindowTitle(caption);
    ordneLampenAn();
}

void StartAmpel::zeige(bool zentriert, const QString& caption) {
    Load(zentriert, caption);
    // Not showFullScreen(): it activates the window and takes the keyboard.
    if (m_vollbild)
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowFullScreen);
    else
        setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowFullScreen));
    show();
    raise();
}

void StartAmpel::setzeLampe(int reihe, int i, qint32 farbe) {
    if (reihe < 0 || reihe > 1 || i < 0 || i > 4 || m_farbe[reihe][i] == farbe) return;
    m_farbe[reihe][i] = farbe;
    update(m_lampe[reihe][i].adjusted(-2, -2, 2, 2));
}

void StartAmpel::setzeAlle(qint32 farbe) {
    for (int r = 0; r < 2; ++r)
        for (int i = 0; i < 5; ++i) setzeLampe(r, i, farbe);
}

void StartAmpel::resizeEvent(QResizeEvent*) { ordneLampenAn(); }

void StartAmpel::ordneLampenAn() {
    const int H = height();
    const int W = width();
    // A quarter of the height; on a screen narrower than 5:4 the row must still fit across.
    const int d = qMax(1, qMin(H / 4, (W - 4 * twips(50)) / 5));
    const int oben[2] = {H / 2 - d - twips(80), H / 2 + twips(80)};
    for (int r = 0; r < 2; ++r) {
        int links[5];
        links[2] = W / 2 - d / 2;
        links[1] = links[2] - d - twips(50);
        links[0] = links[1] - d - twips(50);
        links[3] = links[2] + d + twips(50);
        links[4] = links[3] + d + twips(50);
        for (int i = 0; i < 5; ++i) m_lampe[r][i] = QRect(links[i], oben[r], d, d);
    }
    update();
}

void StartAmpel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::black);
    for (int r = 0; r < 2; ++r) {
        for (int i = 0; i < 5; ++i) {
            const QRect& k = m_lampe[r][i];
            const QColor farbe = Farbwert::alsFarbe(m_farbe[r][i]);
            QRadialGradient glanz(k.center() - QPoint(k.width() / 6, k.height() / 6),
                                  k.width() * 0.6);
            glanz.setColorAt(0, farbe.lighter(150));
            glanz.setColorAt(1, farbe);
            p.setBrush(glanz);
            p.setPen(QPen(QColor(90, 90, 90), qMax(1, k.width() / 30)));
            p.drawEllipse(k);
        }
    }
    if (!m_hinweis.isEmpty()) {
        // Under the lamps, large enough to read from the track.
        const int unten = m_lampe[1][0].bottom();
        const QRect zeile(0, unten + twips(80), width(), qMax(0, height() - unten - twips(80)));
        QFont f = font();
        f.setBold(true);
        f.setPixelSize(qBound(12, zeile.height() / 3, 40));
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(zeile, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_hinweis);
    }
}
