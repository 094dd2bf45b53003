#pragma once
// Announcements are spoken one after the other, in the order they were asked for; a new one
// never cuts off the one being spoken. Speech is never late: with a clock set, an
// announcement that waited longer than maxWarteMs is dropped (results excepted), and a newer
// best lap of a driver replaces the one of the same driver still waiting.

#include <QObject>
#include <QQueue>
#include <QString>

#include "engine/Ansage.h"
#include "klang/SprachSynthese.h"
#include "klang/SprachWiedergabe.h"

class Uhr;

class SprachWarteschlange : public QObject {
    Q_OBJECT
public:
    SprachWarteschlange(SprachSynthese& synthese, SprachWiedergabe& wiedergabe,
                        QObject* parent = nullptr);

    static constexpr qint64 maxWarteMs = 10000;

    // The clock the waiting is measured on (null: nothing is dropped).
    void setzeUhr(const Uhr* uhr) { m_uhr = uhr; }
    void sprich(const QString& text, const QString& stimme, Sprechart art = Sprechart::Normal,
                const QString& fahrer = QString());
    // Drops what waits and ends the announcement being spoken (speech switched off).
    void leeren();

    bool beschaeftigt() const { return m_aktiv; }
    int wartend() const { return int(m_warten.size()); }

signals:
    void beginnt(const QString& text);  // the text is being spoken now
    void beendet(const QString& text);
    void leer();  // nothing left to say

private:
    struct Eintrag {
        QString text;
        QString stimme;
        Sprechart art = Sprechart::Normal;
        QString fahrer;
        qint64 seit = 0;
    };
    bool zuSpaet(const Eintrag& e) const;
    void weiter();
    void synthetisiert(const SprachPcm& pcm);
    void gesprochen();

    SprachSynthese& m_synthese;
    SprachWiedergabe& m_wiedergabe;
    const Uhr* m_uhr = nullptr;
    QQueue<Eintrag> m_warten;
    QString m_aktuell;
    bool m_aktiv = false;  // an entry is being synthesised or played
    bool m_synthetisiert = false;
    bool m_imWeiter = false;  // test doubles answer synchronously: no recursion per entry
    bool m_nochmal = false;
    quint64 m_verworfen = 0;  // syntheses still outstanding from before leeren()
};
