#pragma once
// Tells German from English by the program's own translation file: a text is German when it
// is one of the German source texts (whose translation differs), when it holds a word that
// the German texts use and no English translation does, or an umlaut or ß.

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QXmlStreamReader>

class DeutschPruefung {
public:
    explicit DeutschPruefung(const QString& tsDatei) {
        QFile f(tsDatei);
        if (!f.open(QIODevice::ReadOnly)) return;
        QXmlStreamReader x(&f);
        QString quelle, uebersetzung;
        QSet<QString> deutsch, englisch;
        while (!x.atEnd()) {
            x.readNext();
            if (x.isStartElement() && x.name() == QLatin1String("source"))
                quelle = x.readElementText();
            else if (x.isStartElement() && x.name() == QLatin1String("translation")) {
                const bool unfertig = x.attributes().value(QLatin1String("type")) ==
                                      QLatin1String("unfinished");
                uebersetzung = x.readElementText();
                if (unfertig || uebersetzung.trimmed().isEmpty()) m_unfertig << quelle;
            }
            else if (x.isEndElement() && x.name() == QLatin1String("message")) {
                ++m_nachrichten;
                if (!uebersetzung.isEmpty() && uebersetzung != quelle)
                    m_quellen.insert(ohneKuerzel(quelle));
                deutsch.unite(woerter(quelle));
                englisch.unite(woerter(uebersetzung));
                quelle.clear();
                uebersetzung.clear();
            }
        }
        m_woerter = deutsch.subtract(englisch);
    }

    int nachrichten() const { return m_nachrichten; }
    // Source texts without a finished English translation.
    QStringList unfertig() const { return m_unfertig; }
    bool kennt(const QString& wort) const { return m_woerter.contains(wort.toLower()); }

    // Why the text is German, or empty when it is not.
    QString grund(const QString& text) const {
        const QString t = ohneKuerzel(text);
        if (m_quellen.contains(t)) return QStringLiteral("deutscher Quelltext");
        static const QRegularExpression umlaut(QStringLiteral("[äöüÄÖÜß]"));
        if (umlaut.match(t).hasMatch()) return QStringLiteral("Umlaut");
        // Paths are the user's folders, not interface text.
        static const QRegularExpression pfad(QStringLiteral("\\S*[/\\\\]\\S*"));
        for (const QString& w : woerter(QString(t).remove(pfad)))
            if (m_woerter.contains(w)) return QStringLiteral("deutsches Wort \"%1\"").arg(w);
        return {};
    }

private:
    static QString ohneKuerzel(QString t) { return t.remove(QLatin1Char('&')).trimmed(); }
    // Words of four letters or more, in lower case; placeholders and numbers are no words.
    static QSet<QString> woerter(const QString& text) {
        static const QRegularExpression wort(QStringLiteral("(?<![%\\w])[^\\W\\d_]{4,}"));
        QSet<QString> s;
        for (auto it = wort.globalMatch(text); it.hasNext();)
            s.insert(it.next().captured(0).toLower());
        return s;
    }

    QSet<QString> m_quellen, m_woerter;
    QStringList m_unfertig;
    int m_nachrichten = 0;
};
