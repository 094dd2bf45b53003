#pragma once
// What a user reads in a window: captions, labels, buttons, tooltips, tab and group titles,
// combo entries, list entries, column headers, menu entries and chart titles, with where each
// was found. Cell contents of database tables are data and not collected.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSpinBox>
#include <QDoubleSpinBox>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>
#include <QValueAxis>
#include <QWidget>

struct Fundstelle {
    QString wo, text;
};

class Textsammler {
public:
    QList<Fundstelle> funde;

    void text(const QString& wo, QString t) {
        if (Qt::mightBeRichText(t)) {
            QTextDocument d;
            d.setHtml(t);
            t = d.toPlainText();
        }
        t.remove(QLatin1Char('&'));
        if (!t.trimmed().isEmpty()) funde.append({wo, t.trimmed()});
    }

    void menue(const QString& wo, const QMenu* m) {
        if (!m) return;
        text(wo, m->title());
        for (const QAction* a : m->actions()) {
            text(wo + QStringLiteral(" Menü"), a->text());
            text(wo + QStringLiteral(" Menü-Tipp"), a->toolTip() == a->text().remove('&')
                                                         ? QString()
                                                         : a->toolTip());
            menue(wo, a->menu());
        }
    }

    void fenster(const QString& name, QWidget* fenster) {
        QList<QWidget*> alle = fenster->findChildren<QWidget*>();
        alle.prepend(fenster);
        text(name + QStringLiteral(" Titel"), fenster->windowTitle());
        for (QWidget* w : alle) {
            const QString wo = name + QLatin1Char('/') +
                               (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                          : w->objectName());
            text(wo + QStringLiteral(" Tipp"), w->toolTip());
            if (auto* l = qobject_cast<QLabel*>(w)) text(wo, l->text());
            if (auto* b = qobject_cast<QAbstractButton*>(w)) text(wo, b->text());
            if (auto* t = qobject_cast<QToolButton*>(w)) menue(wo, t->menu());
            if (auto* g = qobject_cast<QGroupBox*>(w)) text(wo, g->title());
            if (auto* e = qobject_cast<QLineEdit*>(w)) text(wo, e->placeholderText());
            if (auto* s = qobject_cast<QSpinBox*>(w)) text(wo, s->suffix() + s->prefix());
            if (auto* s = qobject_cast<QDoubleSpinBox*>(w)) text(wo, s->suffix() + s->prefix());
            if (auto* s = qobject_cast<QAbstractSpinBox*>(w)) text(wo, s->specialValueText());
            if (auto* c = qobject_cast<QComboBox*>(w); c && !c->isEditable())
                for (int i = 0; i < c->count(); ++i) text(wo, c->itemText(i));
            if (auto* t = qobject_cast<QTabWidget*>(w))
                for (int i = 0; i < t->count(); ++i) text(wo, t->tabText(i));
            if (auto* l = qobject_cast<QListWidget*>(w))
                for (int i = 0; i < l->count(); ++i) text(wo, l->item(i)->text());
            if (auto* t = qobject_cast<QTreeWidget*>(w))
                for (int i = 0; i < t->topLevelItemCount(); ++i)
                    for (int k = 0; k < t->columnCount(); ++k)
                        text(wo, t->topLevelItem(i)->text(k));
            if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->model())
                for (int k = 0; k < v->model()->columnCount(); ++k)
                    text(wo + QStringLiteral(" Spalte"),
                         v->model()->headerData(k, Qt::Horizontal).toString());
            if (auto* c = qobject_cast<QChartView*>(w); c && c->chart()) {
                text(wo, c->chart()->title());
                for (const QAbstractAxis* a : c->chart()->axes()) text(wo, a->titleText());
            }
            for (const QAction* a : w->actions()) {
                text(wo + QStringLiteral(" Aktion"), a->text());
                menue(wo, a->menu());
            }
        }
    }
};
