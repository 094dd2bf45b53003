// Takes the README's pictures under the offscreen platform: the start light during the
// countdown, the main window in the middle of a race (also with the announcer where it goes
// beside the panels, and with the red strip when laps cannot be stored), the results window,
// the lap chart of that race, the drivers and cars and the options; on the virtual clock.
//   pistorelle-bildschirmfotos <folder>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>
#include <array>

#include "TestHelfer.h"
#include "config/VirtuelleUhr.h"
#include "darstellung/Farbwert.h"
#include "data/Datenbank.h"
#include "engine/Rennleitung.h"
#include "ui/ProgrammAnsage.h"
#include "ui/ProgrammStart.h"
#include "ui/Sprecherfenster.h"
#include "ui/StartAmpel.h"
#include "ui/diaAuto2Fahrer.h"
#include "ui/frmErgebnis.h"
#include "ui/frmMain.h"
#include "ui/frmOptionsNeu.h"
#include "ui/frmRundentabelle.h"

int main(int argc, char** argv) {
    // A private home, so the pictures never touch the user's settings or database.
    QTemporaryDir heim;
    eigeneOrdner(heim);
    // Unless told otherwise: the offscreen platform with one 1280 x 800 screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        QFile schirm(heim.filePath(QStringLiteral("schirm.json")));
        if (schirm.open(QIODevice::WriteOnly)) {
            schirm.write(R"({"screens":[{"name":"Bild","x":0,"y":0,"width":1280,"height":800,)"
                         R"("logicalDpiX":96,"logicalDpiY":96}]})");
            schirm.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + schirm.fileName().toUtf8());
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pistorelle"));
    QApplication::setApplicationVersion(QStringLiteral("0.1.0"));
    const QString ziel = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(ziel);

    VirtuelleUhr uhr;
    SkriptDialoge dialoge;
    SkriptRueckfrage rueckfrage;
    SkriptSynthese synthese;
    SkriptWiedergabe wiedergabe;
    synthese.sofort = true;
    ProgrammStart::Optionen o;
    o.uhr = &uhr;
    o.synthese = &synthese;
    o.wiedergabe = &wiedergabe;
    o.rueckfrage = &rueckfrage;
    o.fensterZeigen = false;
    o.bildschirmHoehe = 768;
    ProgrammStart start(dialoge, o);
    if (!start.starte(QApplication::arguments().mid(0, 1))) return 1;

    const char* const fahrer[4][2] = {{"Anna", "Porsche 917"},
                                      {"Bernd", "Ford GT40"},
                                      {"Clara", "Ferrari 512"},
                                      {"Dieter", "Lola T70"}};
    for (int b = 1; b <= 4; ++b)
        start.datenbank()->execute(
            QStringLiteral("update positionen set fahrer=?, auto=? where bahn=?"),
            {QString::fromUtf8(fahrer[b - 1][0]), QString::fromUtf8(fahrer[b - 1][1]), b});

    uhr.setzeSaat(7);  // the same pictures every time
    frmMain* f = start.hauptfenster();
    Rennleitung* leitung = start.leitung();
    f->resize(1280, 760);
    f->show();
    findeIn<QComboBox>(f, "cbRAuswahl")->setCurrentIndex(2);  // R-Zeit
    emit findeIn<QComboBox>(f, "cbRAuswahl")->activated(2);
    leitung->setzeGrenze(QStringLiteral("10"));
    findeIn<QPushButton>(f, "Command2")->click();

    for (int i = 0; i < 3; ++i) uhr.naechsterTimer(2000);  // three red lamps
    StartAmpel* ampel = f->startAmpel();
    if (!ampel->grab().save(ziel + QStringLiteral("/startampel.png"))) return 2;

    while (leitung->zustand().AmpelPhase != 6) uhr.naechsterTimer(2100);
    // Four cars with their own pace; each crossing comes from the simulation buttons' entry.
    const std::array<int, 4> runde{5150, 5420, 4980, 5330};
    std::array<qint64, 4> naechste{600, 750, 500, 900};
    const qint64 ende = 95000;
    for (;;) {
        int bahn = 0;
        for (int i = 1; i < 4; ++i)
            if (naechste[size_t(i)] < naechste[size_t(bahn)]) bahn = i;
        const qint64 jetzt = uhr.virtuelleZeit();
        if (naechste[size_t(bahn)] > ende) break;
        uhr.vorruecken(std::max<qint64>(0, naechste[size_t(bahn)] - jetzt));
        leitung->GetPortnummer(bahn + 1);
        naechste[size_t(bahn)] += runde[size_t(bahn)] + uhr.zufall(-180, 220);
    }
    uhr.vorruecken(300);
    if (!f->grab().save(ziel + QStringLiteral("/hauptfenster.png"))) return 3;

    // The database stops taking writes: the red strip over the panels, the race goes on.
    QSqlQuery(start.datenbank()->db()).exec(QStringLiteral("PRAGMA query_only = 1"));
    uhr.vorruecken(5000);  // Anna's next lap, at her pace
    leitung->GetPortnummer(1);
    uhr.vorruecken(300);
    if (!f->grab().save(ziel + QStringLiteral("/speicherfehler.png"))) return 7;
    QSqlQuery(start.datenbank()->db()).exec(QStringLiteral("PRAGMA query_only = 0"));
    uhr.vorruecken(300);

    // The announcer says its latest sentence where it covers no panel value: drawn into the
    // picture of the main window at its place on the screen.
    for (int i = 0; i < 400 && wiedergabe.laeuft; ++i) wiedergabe.ende();
    start.ansage()->SprachAusgabe(QStringLiteral("Clara fährt neue Bestzeit mit 4.871 Sekunden"));
    Sprecherfenster* sprecher = start.ansage()->fenster();
    if (!sprecher || !sprecher->isVisible()) return 4;
    QCoreApplication::processEvents();  // it follows the main window's new size
    QPixmap bild = f->grab();
    {
        QPainter maler(&bild);
        maler.drawPixmap(sprecher->frameGeometry().topLeft() - f->mapToGlobal(QPoint(0, 0)),
                         sprecher->grab());
    }
    if (!bild.save(ziel + QStringLiteral("/sprecher.png"))) return 5;

    // To the end of the race and its results window.
    for (int i = 0; i < 400 && wiedergabe.laeuft; ++i) wiedergabe.ende();
    rueckfrage.antwort = true;
    findeIn<QPushButton>(f, "Command2")->click();  // "Soll der Lauf gestoppt werden?" yes
    uhr.vorruecken(3000);
    frmErgebnis* ergebnis = f->findChild<frmErgebnis*>();
    if (!ergebnis || !ergebnis->grab().save(ziel + QStringLiteral("/ergebnis.png"))) return 6;
    // The lap chart of this race.
    frmRundentabelle runden(*start.datenbank(), 20, 768);
    std::array<QColor, 7> bahnFarben;
    for (int b = 1; b <= 6; ++b)
        bahnFarben[size_t(b)] =
            Farbwert::alsFarbe(start.leitung()->einstellungen().Farbe[size_t(b)]);
    runden.setzeBahnFarben(bahnFarben);
    runden.resize(1000, 560);
    runden.seiten()->setCurrentIndex(1);
    runden.show();
    if (!runden.grab().save(ziel + QStringLiteral("/rundendiagramm.png"))) return 14;
    runden.hide();

    // Master data: the four drivers with a picture each, their cars, one driver chosen.
    const QString bilder = heim.filePath(QStringLiteral("Bilder"));
    QDir().mkpath(bilder);
    const QColor farben[4] = {QColor(230, 200, 40), QColor(40, 90, 200), QColor(200, 40, 40),
                              QColor(40, 160, 80)};
    for (int i = 0; i < 4; ++i) {
        QImage bild(160, 120, QImage::Format_RGB32);
        bild.fill(farben[i]);
        QPainter maler(&bild);
        maler.setPen(Qt::white);
        QFont schrift = maler.font();
        schrift.setPointSize(28);
        schrift.setBold(true);
        maler.setFont(schrift);
        maler.drawText(bild.rect(), Qt::AlignCenter, QString::fromUtf8(fahrer[i][0]).left(1));
        maler.end();
        bild.save(bilder + QStringLiteral("/fahrer%1.png").arg(i + 1));
        start.datenbank()->execute(
            QStringLiteral("insert into fahrer (name,vorname,mitglied,bildlink,erstellt) "
                           "values (?,?,?,?,?)"),
            {QString::fromUtf8(fahrer[i][0]), QString::fromUtf8(fahrer[i][0]),
             QStringLiteral("%1").arg(101 + i), QStringLiteral("fahrer%1.png").arg(i + 1),
             QStringLiteral("12.04.2026")});
        start.datenbank()->execute(
            QStringLiteral("insert into autos (name,LangName,erstellt) values (?,?,?)"),
            {QString::fromUtf8(fahrer[i][1]), QString::fromUtf8(fahrer[i][1]),
             QStringLiteral("12.04.2026")});
        start.datenbank()->execute(
            QStringLiteral("insert into auto2fahrer (fahrernr,autonr) values (?,?)"),
            {i + 1, i + 1});
    }
    start.datenbank()->execute(
        QStringLiteral("insert into auto2fahrer (fahrernr,autonr) values (1,3)"));
    diaAuto2Fahrer stamm(*start.datenbank(), bilder);
    stamm.waehleFahrer(1);
    stamm.waehleAuto(3);
    stamm.resize(1000, 560);
    stamm.show();
    if (!stamm.grab().save(ziel + QStringLiteral("/fahrer-autos.png"))) return 15;
    stamm.hide();

    frmOptionsNeu optionen(start.einstellungen(), start.speicher(), rueckfrage, {}, uhr);
    optionen.seiten()->setCurrentIndex(3);  // the race page
    optionen.resize(1000, 640);
    optionen.show();
    if (!optionen.grab().save(ziel + QStringLiteral("/optionen.png"))) return 16;
    optionen.seiten()->setCurrentIndex(1);
    if (!optionen.grab().save(ziel + QStringLiteral("/optionen-lpt.png"))) return 17;
    return 0;
}
