#pragma once
// What the tests that race the real program against a DS300 counter over a pseudo-terminal
// share: the program's settings for the counter and the live standings, a free port, the
// live standings' answer, and reads of the database file through a connection of the test.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTcpServer>
#include <QtTest>

#include "EchtesProgramm.h"
#include "config/EinstellungsSpeicher.h"

namespace ZaehlerProgramm {

// A loopback port nobody listens on at the moment of asking.
inline quint16 freierPort() {
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();
}

// The program counts with a DS300 on COM1 at `port` (the other COM ports lead nowhere), the
// counter starts its races, nothing beeps or announces, and the live standings answer on
// `livePort`. `mehr` adds settings of the test's own.
inline void richteEin(EchtesProgramm& p, const QString& port, quint16 livePort,
                      const QList<QPair<QString, QString>>& mehr = {}) {
    EinstellungsSpeicher sp(p.einstellungen());
    sp.speichere("DatenBankAuswahl", "0");
    sp.speichere("DS300Aktiv", "1");
    sp.speichere("DSGoStart", "1");
    sp.speichere("CommPort1", "1");
    sp.speichere("ComPfad1", port);
    for (int n = 2; n <= 10; ++n)
        sp.speichere(QString("ComPfad%1").arg(n), p.ordner.filePath(QString("kein-port-%1").arg(n)));
    sp.speichere("TonBeep", "");
    sp.speichere("MeldungsAnsage0", "0");
    sp.speichere("LiveStandAn", "1");
    sp.speichere("LiveStandPort", QString::number(livePort));
    for (const auto& [schluessel, wert] : mehr) sp.speichere(schluessel, wert);
}

// What /api/stand answers; empty when the page does not answer.
inline QJsonObject apiStand(quint16 port) {
    QNetworkAccessManager netz;
    QNetworkReply* r =
        netz.get(QNetworkRequest(QUrl(QStringLiteral("http://127.0.0.1:%1/api/stand").arg(port))));
    QSignalSpy fertig(r, &QNetworkReply::finished);
    fertig.wait(5000);
    const QJsonObject o = QJsonDocument::fromJson(r->readAll()).object();
    r->deleteLater();
    return o;
}

// Laps per lane in an answer of /api/stand.
inline QMap<int, int> runden(const QJsonObject& stand) {
    QMap<int, int> r;
    for (const QJsonValue& b : stand[QLatin1String("bahnen")].toArray())
        r[b[QLatin1String("bahn")].toInt()] = b[QLatin1String("runden")].toInt();
    return r;
}

// The timing state in an answer of /api/stand ("aktiv", "Verbindung verloren" ...).
inline QString zustand(const QJsonObject& stand) {
    return stand[QLatin1String("zeitnahme")][QLatin1String("zustand")].toString();
}

// Rows of a query on the database file, read-only; empty when it cannot be read.
inline QList<QVariantList> lies(const QString& pfad, const QString& sql, int spalten) {
    QList<QVariantList> zeilen;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "lesen");
        db.setDatabaseName(pfad);
        db.setConnectOptions("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000");
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql))
                while (q.next()) {
                    QVariantList z;
                    for (int i = 0; i < spalten; ++i) z << q.value(i);
                    zeilen << z;
                }
        }
    }
    QSqlDatabase::removeDatabase("lesen");
    return zeilen;
}

// The first value of a query on the database file; -1 when it cannot be read.
inline int zahl(const QString& pfad, const QString& sql) {
    const QList<QVariantList> z = lies(pfad, sql, 1);
    return z.isEmpty() ? -1 : z.first().first().toInt();
}

}  // namespace ZaehlerProgramm
