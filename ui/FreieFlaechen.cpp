#include "ui/FreieFlaechen.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

#include "ui/Fensterplatz.h"
#include "ui/Knopfleiste.h"
#include "ui/Lampenform.h"
#include "ui/ZeitnahmeFeld.h"

FreieFlaechen::FreieFlaechen(const QWidget& hauptfenster, const Knopfleiste& leiste)
    : m_fenster(hauptfenster), m_leiste(leiste) {}

QVector<QRect> FreieFlaechen::flaechen(bool rechtsZuerst) const {
    const QWidget& f = m_fenster;
    const Knopfleiste& l = m_leiste;
    QVector<QRect> streifen;
    if (l.Sprecherstreifen->isVisibleTo(l.Menue)) {
        const QRect s(l.Sprecherstreifen->mapTo(&f, QPoint(0, 0)), l.Sprecherstreifen->size());
        const int links = qMin(s.width() / 2, 420);
        streifen << QRect(s.left(), s.top(), links, s.height())
                 << QRect(s.left() + links, s.top(), s.width() - links, s.height());
        if (rechtsZuerst) std::swap(streifen[0], streifen[1]);
        for (QRect& r : streifen) r.translate(f.mapToGlobal(QPoint(0, 0)));
    }
    const QRect leiste(l.Menue->mapTo(&f, QPoint(0, 0)), l.Menue->size());
    // The run's row between the light and the status field (or the row's end).
    const int links = l.Lichtanzeige->geometry().right() + 1;
    int rechts = l.Menue->width();
    if (l.lblZeitnahme && l.lblZeitnahme->isVisible()) rechts = l.lblZeitnahme->geometry().left();
    const int oben = l.Label1->mapTo(&f, QPoint(0, 0)).y();
    QVector<QRect> frei = streifen;
    const QPoint global = f.mapToGlobal(QPoint(0, 0));
    if (rechts - links > 16)
        frei.append(QRect(leiste.left() + links + 8, oben, rechts - links - 16, l.Label1->height())
                        .translated(global));
    frei.append(leiste.translated(global));
    return frei;
}

QPoint FreieFlaechen::vorschlag(const QSize& groesse, bool rechts) const {
    const QScreen* s = m_fenster.screen() ? m_fenster.screen() : QGuiApplication::primaryScreen();
    const QRect schirm = s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
    return Fensterplatz::finde(m_fenster.frameGeometry(), flaechen(rechts), groesse, schirm);
}
