#include "config/DebugLog.h"

#include <QFile>
#include <QLocale>
#include <QThread>
#include <QTime>

#include "config/Ausgabepfad.h"
#include "config/Uhr.h"

namespace {
// The locale's short time format with seconds added: the long one carries a time zone.
QString zeitFormat() {
    QString f = QLocale().timeFormat(QLocale::ShortFormat);
    if (f.contains(QLatin1Char('s'))) return f;
    const qsizetype m = f.lastIndexOf(QLatin1String("mm"));
    if (m < 0) return f + QStringLiteral(":ss");
    return f.insert(m + 2, QStringLiteral(":ss"));
}
}  // namespace

DebugLog& DebugLog::instanz() {
    static DebugLog log;
    return log;
}

QString DebugLog::lesbar(const QString& text) {
    QString aus;
    aus.reserve(text.size());
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u < 0x20 || u == 0x7F)
            aus += QStringLiteral("<%1>").arg(u, 2, 16, QLatin1Char('0')).toUpper();
        else
            aus += c;
    }
    return aus;
}

void DebugLog::schreibe(const QString& text) {
    if (!m_aktiv) return;
    const QTime zeit = m_uhr ? m_uhr->jetzt().time() : QTime::currentTime();
    // Raw bytes of the boxes carry control characters; written as <01> a line stays a line.
    const QString zeile = QLocale().toString(zeit, zeitFormat()) + QLatin1Char(' ') + lesbar(text);
    if (QThread::currentThread() != thread()) {
        // The list belongs to the UI thread; a line from elsewhere joins it there.
        QMetaObject::invokeMethod(
            this,
            [this, zeile] {
                if (m_aktiv) fuegeEin(zeile);
            },
            Qt::QueuedConnection);
        return;
    }
    fuegeEin(zeile);
}

void DebugLog::fuegeEin(const QString& zeile) {
    m_zeilen.prepend(zeile);
    if (m_zeilen.size() > maxZeilen) m_zeilen.removeLast();
    emit zeileNeu(zeile);
}

void DebugLog::leeren() {
    m_zeilen.clear();
    emit geleert();
}

bool DebugLog::speichere(const QString& ltfPfad, QString* fehler) const {
    QFile datei(Ausgabepfad::praefix(ltfPfad) + QStringLiteral("pistorelle.log"));
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        if (fehler) *fehler = datei.errorString();
        return false;
    }
    QByteArray inhalt;
    for (const QString& z : m_zeilen) {
        inhalt += z.toUtf8();
        inhalt += '\n';
    }
    if (datei.write(inhalt) != inhalt.size() || !datei.flush()) {
        if (fehler) *fehler = datei.errorString();
        return false;
    }
    datei.close();
    if (datei.error() != QFileDevice::NoError) {
        if (fehler) *fehler = datei.errorString();
        return false;
    }
    return true;
}

bool DebugLog::istDebugSchalter(const QStringList& argumente) {
    return argumente.mid(1).join(QLatin1Char(' ')) == QLatin1String("debug");
}

void SchreibeDebug(const QString& text) { DebugLog::instanz().schreibe(text); }
