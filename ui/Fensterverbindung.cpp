#include "ui/Fensterverbindung.h"

#include <QApplication>
#include <QPointer>
#include <memory>

#include "config/Einstellungen.h"
#include "config/EinstellungsSpeicher.h"
#include "darstellung/Farbwert.h"
#include "data/Datenbank.h"
#include "engine/RennHardware.h"
#include "engine/Rennleitung.h"
#include "ui/LiveStandFeld.h"
#include "ui/LiveStandSeite.h"
#include "ui/MqttFeld.h"
#include "ui/MqttSeite.h"
#include "ui/ProgrammAnsage.h"
#include "ui/ProgrammStart.h"
#include "ui/TurnierFenster.h"
#include "ui/diaAuto2Fahrer.h"
#include "ui/diaSprache.h"
#include "ui/frmHallOfFame.h"
#include "ui/frmMain.h"
#include "ui/frmOptions.h"
#include "ui/frmOptionsNeu.h"
#include "ui/frmRundentabelle.h"
#include "ui/frmStatistik.h"
#include "ui/frmStreckenLayout.h"

void verbindeFenster(ProgrammStart& start) {
    frmMain* fenster = start.hauptfenster();
    Rennleitung* leitung = start.leitung();
    ProgrammStart* s = &start;

    fenster->setzeFenster(frmMain::Fenster::FahrerAuto, [fenster, leitung] {
        diaAuto2Fahrer dialog(leitung->datenbank(), leitung->einstellungen().BilderPfad, fenster);
        dialog.exec();
    });

    fenster->setzeFenster(frmMain::Fenster::Tabellen, [s, fenster, leitung] {
        TabellenAktionen aktionen;
        aktionen.SetzeTexte = [leitung] { leitung->SetzeTexte(); };
        aktionen.Sprache = [s, leitung] {
            diaSprache dialog(leitung->einstellungen(), *s->ansage(),
                              QApplication::activeModalWidget());
            dialog.exec();
        };
        aktionen.Strecken = [leitung] {
            frmStreckenLayout layout(leitung->datenbank(), QApplication::activeModalWidget());
            layout.exec();
        };
        frmOptions editor(leitung->datenbank(), s->rueckfrage(), std::move(aktionen), fenster);
        editor.exec();
    });

    // One lap tables window at a time; a new request brings it to the front.
    auto rundenTabelle = std::make_shared<QPointer<frmRundentabelle>>();
    fenster->setzeFenster(frmMain::Fenster::RundenTabelle, [rundenTabelle, fenster, leitung] {
        QPointer<frmRundentabelle>& w = *rundenTabelle;
        if (!w) {
            w = new frmRundentabelle(leitung->datenbank(), leitung->einstellungen().AnzHistRennen,
                                     -1, fenster);
            w->setAttribute(Qt::WA_DeleteOnClose);
            // Exports go where the last one went (kept across starts).
            w->setzeOrdner(
                [leitung] { return leitung->speicher().hole(QStringLiteral("ExportPfad")); },
                [leitung](const QString& ordner) {
                    leitung->speicher().speichere(QStringLiteral("ExportPfad"), ordner);
                });
            std::array<QColor, 7> farben;
            for (int b = 1; b <= 6; ++b)
                farben[size_t(b)] = Farbwert::alsFarbe(leitung->einstellungen().Farbe[size_t(b)]);
            w->setzeBahnFarben(farben);
        }
        w->show();
        w->raise();
        w->activateWindow();
    });

    // The driver statistics and the Hall of Fame: one window each, read when opened.
    auto statistik = std::make_shared<QPointer<frmStatistik>>();
    fenster->setzeFenster(frmMain::Fenster::Statistik, [statistik, fenster, leitung] {
        QPointer<frmStatistik>& w = *statistik;
        if (!w) {
            w = new frmStatistik(leitung->datenbank(), fenster);
            w->setAttribute(Qt::WA_DeleteOnClose);
            w->setzeOrdner(
                [leitung] { return leitung->speicher().hole(QStringLiteral("ExportPfad")); },
                [leitung](const QString& ordner) {
                    leitung->speicher().speichere(QStringLiteral("ExportPfad"), ordner);
                });
        }
        w->show();
        w->raise();
        w->activateWindow();
    });
    auto hallOfFame = std::make_shared<QPointer<frmHallOfFame>>();
    fenster->setzeFenster(frmMain::Fenster::HallOfFame, [hallOfFame, fenster, leitung] {
        QPointer<frmHallOfFame>& w = *hallOfFame;
        if (!w) {
            w = new frmHallOfFame(leitung->datenbank(), fenster);
            w->setAttribute(Qt::WA_DeleteOnClose);
        }
        w->show();
        w->raise();
        w->activateWindow();
    });

    fenster->setzeFenster(frmMain::Fenster::Optionen, [s, fenster, leitung] {
        OptionenAnwendung anwendung;
        HardwareAufbau& aufbau = s->aufbau();
        anwendung.MSCommOeffnen = [&aufbau, leitung] {
            if (aufbau.neuOeffnen) aufbau.neuOeffnen();
            leitung->hardware().SetzeFormCaption(QString());
        };
        anwendung.MyInit = [leitung] { leitung->MyInit(); };
        anwendung.BildschirmRefresh = [leitung, fenster] {
            // New lane colours go to the panel of their lane.
            const Einstellungen& e = leitung->einstellungen();
            for (int i = 0; i < 6; ++i) {
                SlotWerte& p = leitung->panel(i);
                const int bahn = p.ReturnBahn();
                if (bahn >= 1 && bahn <= 6)
                    p.SetFixWerte(bahn, e.Farbe[size_t(bahn)], e.FontFarbe[size_t(bahn)], 0);
            }
            leitung->BildschirmRefresh();
            // Lane count, colours and the bar's place may have changed.
            fenster->AnzeigenAnordnen();
        };
        RennHardware* ausgaenge = s->ausgaenge();
        anwendung.SchalteLPT = [ausgaenge](const QString& wort, int an) {
            ausgaenge->SchalteLPT(wort, an);
        };
        frmOptionsNeu dialog(leitung->einstellungen(), leitung->speicher(), s->rueckfrage(),
                             std::move(anwendung), s->uhr(), aufbau.lpt, fenster);
        LiveStandSeite::fuegeEin(dialog, leitung->speicher(), [s, fenster, leitung] {
            HardwareAufbau& aufbau = s->aufbau();
            LiveStandFeld::richteEin(*fenster, *leitung, *s->anzeige(),
                                     aufbau.zeitnahmeStatus ? aufbau.zeitnahmeStatus() : nullptr,
                                     [s] { return s->turnier()->serieJson(); });
        });
        MqttSeite::fuegeEin(dialog, leitung->einstellungen(), leitung->speicher(),
                            [s, fenster, leitung] {
                                HardwareAufbau& aufbau = s->aufbau();
                                MqttFeld::richteEin(*fenster, *leitung, *s->anzeige(),
                                                    aufbau.zeitnahmeStatus
                                                        ? aufbau.zeitnahmeStatus()
                                                        : nullptr);
                            });
        dialog.exec();
    });
}
