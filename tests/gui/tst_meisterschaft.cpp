// A winter series in the real program: two tournaments already driven, the page
// "Meisterschaft" of the tournament dialog with its table and rules (kept as settings), the
// report as HTML (escaped, Windows-1252, safe file name) and as PDF, and the series table on
// the live scoreboard while a tournament of the series is open.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "TestHelfer.h"
#include "config/Einstellungen.h"
#include "config/EinstellungsSpeicher.h"
#include "config/VirtuelleUhr.h"
#include "data/Datenbank.h"
#include "engine/Hauptanzeige.h"
#include "engine/Rennleitung.h"
#include "tournament/Turnier.h"
#include "uebertragung/LiveStand.h"
#include "ui/MeisterschaftSeite.h"
#include "ui/ProgrammStart.h"
#include "ui/TurnierFenster.h"
#include "ui/diaSlotRennen.h"
#include "ui/frmMain.h"

namespace {

// The series is named with characters a file name cannot hold and HTML must escape.
const QString kSerie = QStringLiteral("Win/ter <&>");

QStringList zeile(const QTableWidget* t, int r) {
    QStringList z;
    for (int c = 0; c < t->columnCount(); ++c)
        z << (t->item(r, c) ? t->item(r, c)->text() : QString());
    return z;
}

}  // namespace

class TstMeisterschaft : public QObject {
    Q_OBJECT
    QTemporaryDir m_heim;

private slots:
    void initTestCase() { QVERIFY(eigeneOrdner(m_heim)); }

    void winterserie() {
        VirtuelleUhr uhr;
        SkriptDialoge dialoge;
        SkriptRueckfrage rueckfrage;
        ProgrammStart::Optionen o;
        o.uhr = &uhr;
        o.sprache = false;
        o.rueckfrage = &rueckfrage;
        o.fensterZeigen = false;
        o.bildschirmHoehe = 768;
        ProgrammStart start(dialoge, o);
        QVERIFY2(start.starte(QApplication::arguments().mid(0, 1)),
                 qPrintable(dialoge.meldungen.join('\n')));
        frmMain* f = start.hauptfenster();
        Rennleitung* l = start.leitung();
        Datenbank* db = start.datenbank();
        QTemporaryDir ausgabe;
        l->einstellungen().ltfPfad = ausgabe.path() + '/';
        f->show();

        // Two evenings of the series and one of another series that must not count.
        // Abend 1: Bert & <Co> 30 laps, Jürgen 28, Anna 20; fastest race lap Jürgen's.
        // Abend 2: Anna 40, JÜRGEN 35 (the same driver), Bert & <Co> 30.
        const QString rennen = kSerie + QStringLiteral(" Abend ");
        for (const QString& sql : {
                 QStringLiteral("insert into slotrennen (RennName, RennSerie, Strecke, RennTyp) "
                                "values ('Abend 1', '%1', 'Keller', 'Runden')"),
                 QStringLiteral("insert into slotrennen (RennName, RennSerie, Strecke, RennTyp) "
                                "values ('Abend 1', 'Sommer', 'Keller', 'Runden')"),
                 QStringLiteral("insert into slotrennen (RennName, RennSerie, Strecke, RennTyp) "
                                "values ('Abend 2', '%1', 'Keller', 'Runden')"),
                 QStringLiteral("insert into slotrennenlauf values ('%2' || '1', 1, 1, 1, "
                                "'Bert & <Co>', 'BMW', 30, 300.0)"),
                 QStringLiteral("insert into slotrennenlauf values ('%2' || '1', 1, 1, 2, "
                                "'Jürgen', 'Audi', 28, 300.0)"),
                 QStringLiteral("insert into slotrennenlauf values ('%2' || '1', 1, 1, 3, "
                                "'Anna', 'Opel', 20, 300.0)"),
                 QStringLiteral("insert into slotrennenlauf values ('%2' || '2', 1, 1, 1, "
                                "'Anna', 'Opel', 40, 300.0)"),
                 QStringLiteral("insert into slotrennenlauf values ('%2' || '2', 1, 1, 2, "
                                "'JÜRGEN', 'Audi', 35, 300.0)"),
                 QStringLiteral("insert into slotrennenlauf values ('%2' || '2', 1, 1, 3, "
                                "'Bert & <Co>', 'BMW', 30, 300.0)"),
                 QStringLiteral("insert into slotrennenlauf values ('Sommer Abend 1', 1, 1, 1, "
                                "'Fritz', 'Fiat', 60, 300.0)"),
                 QStringLiteral("insert into histrennen (Fahrer, Auto, Runde, Zeit, Bahn, "
                                "RennName, RennArt) values ('Jürgen', 'Audi', 3, 4.8, 2, '%2' "
                                "|| '1', 'Rennen')"),
             })
            QVERIFY2(db->execute(QString(sql).replace("%1", kSerie).replace("%2", rennen)),
                     qPrintable(sql));

        // The live scoreboard of the program, on a free port, as the program wires it.
        LiveStand live(*l, *start.anzeige());
        live.setzeSerie([t = start.turnier()] { return t->serieJson(); });
        QVERIFY(live.starte(QHostAddress::LocalHost, 0));
        QNetworkAccessManager netz;
        const auto hole = [&](const QString& pfad) {
            QNetworkReply* r = netz.get(QNetworkRequest(
                QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(live.port()).arg(pfad))));
            QSignalSpy fertig(r, &QNetworkReply::finished);
            fertig.wait(10000);
            const auto antwort = std::pair(
                r->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), r->readAll());
            r->deleteLater();
            return antwort;
        };
        // No tournament open: no series table.
        QCOMPARE(hole("/api/serie").first, 404);

        findeIn<QPushButton>(f, "Command7")->click();
        diaSlotRennen* d = start.turnier()->dialog();
        QVERIFY(d && d->isVisible());
        start.turnier()->setzeBerichtOeffnen(false);
        Turnier& t = start.turnier()->turnier();
        QVERIFY(t.oeffne(kSerie, "Abend 2"));

        auto* seite = d->findChild<MeisterschaftSeite*>();
        QVERIFY(seite);
        d->seiten()->setCurrentWidget(seite);
        QCOMPARE(d->seiten()->tabText(d->seiten()->currentIndex()), QString("Meisterschaft"));
        // The open tournament's series is shown; the other series is offered.
        QCOMPARE(seite->serie(), kSerie);
        auto* tabelle = seite->findChild<QTableWidget*>("gridMeisterschaft");
        QCOMPARE(tabelle->rowCount(), 3);
        // Defaults 10,8,6,...: 16 points each; Jürgen has no win; Anna and Bert one win and one
        // third place each: Anna's better result in the latest evening decides.
        QCOMPARE(zeile(tabelle, 0), QStringList({"1", "Anna", "16", "2", "1", "6", "10"}));
        QCOMPARE(zeile(tabelle, 1), QStringList({"2", "Bert & <Co>", "16", "2", "1", "10", "6"}));
        QCOMPARE(zeile(tabelle, 2), QStringList({"3", "Jürgen", "16", "2", "0", "8*", "8"}));

        // The bonus and one dropped result, set on the page and kept as settings.
        seite->findChild<QSpinBox*>("spinBonus")->setValue(3);
        seite->findChild<QSpinBox*>("spinStreich")->setValue(1);
        auto* punkte = seite->findChild<QLineEdit*>("txtPunkte");
        punkte->setText(" 10; 8 ,6");
        emit punkte->editingFinished();
        QCOMPARE(punkte->text(), QString("10,8,6"));
        QCOMPARE(l->speicher().hole("Punkte"), QString("10,8,6"));
        QCOMPARE(l->speicher().hole("PunkteSchnellsteRunde"), QString("3"));
        QCOMPARE(l->speicher().hole("Streichergebnisse"), QString("1"));
        // Jürgen 8+3 (bonus) and 8: drops 8 -> 11; Anna drops 6 -> 10; Bert drops 6 -> 10,
        // Anna ahead of Bert by the latest evening.
        QCOMPARE(zeile(tabelle, 0), QStringList({"1", "Jürgen", "11", "2", "0", "11*", "(8)"}));
        QCOMPARE(zeile(tabelle, 1), QStringList({"2", "Anna", "10", "2", "1", "(6)", "10"}));
        QCOMPARE(zeile(tabelle, 2), QStringList({"3", "Bert & <Co>", "10", "2", "1", "10", "(6)"}));
        QVERIFY(tabelle->item(1, 5)->font().strikeOut());
        if (qEnvironmentVariableIsSet("PISTORELLE_FOTO"))
            QVERIFY(d->grab().save(qEnvironmentVariable("PISTORELLE_FOTO") + "/meisterschaft.png"));

        // The same table on the live scoreboard while a tournament of the series is open.
        const auto [status, json] = hole("/api/serie");
        QCOMPARE(status, 200);
        const QJsonObject serie = QJsonDocument::fromJson(json).object();
        QCOMPARE(serie["serie"].toString(), kSerie);
        QCOMPARE(serie["rennen"].toArray().size(), 2);
        const QJsonArray zeilen = serie["tabelle"].toArray();
        QCOMPARE(zeilen.size(), 3);
        QCOMPARE(zeilen[0]["fahrer"].toString(), QString("Jürgen"));
        QCOMPARE(zeilen[0]["punkte"].toInt(), 11);
        QVERIFY(zeilen[0]["ergebnisse"][1]["gestrichen"].toBool());
        QVERIFY(zeilen[0]["ergebnisse"][0]["schnellsteRunde"].toBool());
        const auto seiteSerie = hole("/serie");
        QCOMPARE(seiteSerie.first, 200);
        QVERIFY(seiteSerie.second.contains("/api/serie"));

        // The report: escaped, in Windows-1252, named safely in the output folder.
        const QString html = seite->schreibeHtml();
        QCOMPARE(html, QDir(ausgabe.path()).absoluteFilePath("Meisterschaft-Win_ter _&_.htm"));
        QFile datei(html);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QByteArray bytes = datei.readAll();
        QVERIFY(bytes.contains("charset=windows-1252"));
        QVERIFY(bytes.contains("<td>Bert &amp; &lt;Co&gt;</td>\r\n"));
        QVERIFY(bytes.contains("Rennserie: Win/ter &lt;&amp;&gt;"));
        QVERIFY(bytes.contains("<td>J\xfcrgen</td>"));
        QVERIFY(bytes.contains("<td>(8)</td>"));
        QVERIFY(!bytes.contains("Fritz"));
        QVERIFY(!bytes.contains("<Co>"));

        const QString pdf = seite->schreibePdf();
        QCOMPARE(QFileInfo(pdf).fileName(), QString("Meisterschaft-Win_ter _&_.pdf"));
        QFile pdfDatei(pdf);
        QVERIFY(pdfDatei.open(QIODevice::ReadOnly));
        QVERIFY(pdfDatei.read(5) == "%PDF-");
        QProcess text;
        text.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY2(text.waitForFinished(30000), "pdftotext (poppler-utils) is needed");
        const QString gedruckt = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(gedruckt.contains("Jürgen") && gedruckt.contains("Bert & <Co>") &&
                     gedruckt.contains("11*"),
                 qPrintable(gedruckt));

        // A folder that takes no file: a message, no path.
        l->einstellungen().ltfPfad = ausgabe.filePath("fehlt/");
        QVERIFY(seite->schreibeHtml().isEmpty());
        QVERIFY(seite->schreibePdf().isEmpty());
        QCOMPARE(rueckfrage.meldungen.size(), 2);
        QVERIFY(rueckfrage.meldungen[0].startsWith("HTML Ausgabe nicht möglich: "));
        QVERIFY(rueckfrage.meldungen[1].startsWith("PDF Ausgabe nicht möglich: "));

        // The other series from the page's choice; the live table stays the open one's.
        seite->waehleSerie("Sommer");
        QCOMPARE(zeile(tabelle, 0), QStringList({"1", "Fritz", "10", "1", "1", "10"}));
        QCOMPARE(QJsonDocument::fromJson(hole("/api/serie").second).object()["serie"].toString(),
                 kSerie);
        rueckfrage.antwort = true;
        d->close();
        QCOMPARE(hole("/api/serie").first, 404);
    }
};

QTEST_MAIN(TstMeisterschaft)
#include "tst_meisterschaft.moc"
