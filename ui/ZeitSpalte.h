#pragma once
// A grid column of times stored in milliseconds, shown as seconds with three decimals in the
// interface's language (157782 as "157,782" in German, "157.782" in English).

#include <QStyledItemDelegate>

class ZeitSpalte : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant& wert, const QLocale& sprache) const override;
    // The seconds of a value in ms; empty for an empty or non-numeric value.
    static QString sekunden(const QVariant& wert, const QLocale& sprache);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
