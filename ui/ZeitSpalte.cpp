#include "ui/ZeitSpalte.h"

QString ZeitSpalte::sekunden(const QVariant& wert, const QLocale& sprache) {
    bool zahl = false;
    const double ms = wert.toDouble(&zahl);
    if (wert.isNull() || !zahl) return QString();
    return sprache.toString(ms / 1000.0, 'f', 3);
}

QString ZeitSpalte::displayText(const QVariant& wert, const QLocale& sprache) const {
    return sekunden(wert, sprache);
}

void ZeitSpalte::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
}
