#include "ui/TurnierFenster.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

#include "config/DebugLog.h"
#include "engine/Rennablauf.h"
#include "engine/Rennleitung.h"
#include "engine/Rueckfrage.h"
#include "tournament/Meisterschaft.h"
#include "tournament/SpurWechsel.h"
#include "tournament/Turnier.h"
#include "ui/MeisterschaftSeite.h"
#include "ui/diaSlotRennen.h"
#include "ui/frmMain.h"

TurnierFenster::TurnierFenster(Rennablauf& ablauf, Hauptanzeige& anzeige, frmMain& hauptfenster)
    : m_ablauf(ablauf),
      m_hauptfenster(hauptfenster),
      m_turnier(std::make_unique<Turnier>(ablauf, anzeige)) {
    Rennablauf* a = &ablauf;
    m_hauptfenster.setzeFenster(frmMain::Fenster::SpurWechsel, [a] {
        // The menu entry stays available during a run: there it does nothing.
        if (!a->beschaeftigt()) SpurWechsel::fuehreAus(a->leitung());
    });
    Turnier* t = m_turnier.get();
    m_hauptfenster.setzeFenster(frmMain::Fenster::Turnier, [t] { t->SlotRennenStart(); });
    connect(t, &Turnier::dialogZeigen, this, &TurnierFenster::zeigeDialog);
    connect(t, &Turnier::hauptfensterZeigen, this, [this] {
        m_hauptfenster.show();
        m_hauptfenster.raise();
        m_hauptfenster.activateWindow();
    });
    connect(t, &Turnier::berichtGeschrieben, this, &TurnierFenster::zeigeBericht);
}

void TurnierFenster::zeigeBericht(const QString& pfad) {
    if (!m_berichtOeffnen || QDesktopServices::openUrl(QUrl::fromLocalFile(pfad))) return;
    SchreibeDebug(QStringLiteral("Ausgabe: kann ") + pfad + QStringLiteral(" nicht öffnen"));
    const QString text =
        pfad.endsWith(QLatin1String(".pdf"))
            ? tr("Die PDF Ausgabe steht in %1. Sie lässt sich nicht öffnen.")
            : tr("Die HTML Ausgabe steht in %1. Sie lässt sich nicht im Browser öffnen.");
    m_ablauf.leitung().rueckfrage().meldung(text.arg(QDir::toNativeSeparators(pfad)));
}

TurnierFenster::~TurnierFenster() { delete m_dialog; }

diaSlotRennen* TurnierFenster::dialog() const { return m_dialog; }

std::optional<QByteArray> TurnierFenster::serieJson() const {
    Turnier& t = *m_turnier;
    if (!t.istOffen() || t.aktuellerIndex() < 0) return std::nullopt;
    const QString serie = t.turniere().at(t.aktuellerIndex()).RennSerie;
    if (serie.trimmed().isEmpty()) return std::nullopt;
    return Meisterschaft::json(Meisterschaft::stand(
        t.daten(), serie, Meisterschaft::Regeln::aus(t.leitung().einstellungen())));
}

void TurnierFenster::zeigeDialog() {
    if (!m_dialog) {
        m_dialog = new diaSlotRennen(*m_turnier);
        m_dialog->setAttribute(Qt::WA_DeleteOnClose, false);
        if (auto* serie = m_dialog->findChild<MeisterschaftSeite*>())
            connect(serie, &MeisterschaftSeite::berichtGeschrieben, this,
                    &TurnierFenster::zeigeBericht);
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}
