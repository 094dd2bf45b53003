#pragma once
// Paints the lines of a lane panel's lap list. The list gets a new line on top with every lap
// and then paints all lines it shows again; laid out once and kept, a line costs only the
// drawing of its glyphs instead of a new text layout on every paint.

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

class RundenZeilenMaler : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* maler, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const QStaticText& zeile(const QString& text, const QFont& font) const;

    mutable QFont m_font;
    mutable QHash<QString, QStaticText> m_zeilen;
};
