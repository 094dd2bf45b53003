#include "ui/RundenZeilenMaler.h"

#include <QPainter>
#include <QStyle>

namespace {
// More lines than a panel shows; beyond that the oldest layouts are not worth keeping.
constexpr int gemerkteZeilen = 256;
}  // namespace

const QStaticText& RundenZeilenMaler::zeile(const QString& text, const QFont& font) const {
    if (font != m_font) {
        m_zeilen.clear();
        m_font = font;
    }
    if (const auto it = m_zeilen.constFind(text); it != m_zeilen.constEnd()) return *it;
    if (m_zeilen.size() >= gemerkteZeilen) m_zeilen.clear();
    QStaticText s(text);
    s.setTextFormat(Qt::PlainText);
    s.setPerformanceHint(QStaticText::AggressiveCaching);
    s.prepare(QTransform(), font);
    return *m_zeilen.insert(text, s);
}

void RundenZeilenMaler::paint(QPainter* maler, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty()) return;
    const QStaticText& s = zeile(text, option.font);
    // Where the item view's own painting puts a left-aligned line: a margin, centred in height.
    const QStyle* stil = option.widget ? option.widget->style() : nullptr;
    const int rand =
        stil ? stil->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1 : 3;
    const QRect r = option.rect;
    maler->save();
    maler->setFont(option.font);
    maler->setPen(option.palette.color(QPalette::Text));
    maler->setClipRect(r);
    maler->drawStaticText(QPointF(r.left() + rand, r.top() + (r.height() - s.size().height()) / 2),
                          s);
    maler->restore();
}
