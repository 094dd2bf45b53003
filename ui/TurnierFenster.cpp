#include "TurnierFenster.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

#include "DebugLog.h"
#include "Rennablauf.h"
#include "Rennleitung.h"
#include "Rueckfrage.h"
#include "SpurWechsel.h"
#include "Turnier.h"
#include "diaSlotRennen.h"
#include "frmMain.h"

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
    connect(t, &Turnier::berichtGeschrieben, this, [this, a](const QString& pfad) {
        if (!m_berichtOeffnen || QDesktopServices::openUrl(QUrl::fromLocalFile(pfad))) return;
        SchreibeDebug(QStringLiteral("HTML Ausgabe: kann ") + pfad + QStringLiteral(" nicht öffnen"));
        a->leitung().rueckfrage().meldung(
            tr("Die HTML Ausgabe steht in %1. Sie lässt sich nicht im Browser öffnen.")
                .arg(QDir::toNativeSeparators(pfad)));
    });
}

TurnierFenster::~TurnierFenster() { delete m_dialog; }

diaSlotRennen* TurnierFenster::dialog() const { return m_dialog; }

void TurnierFenster::zeigeDialog() {
    if (!m_dialog) {
        m_dialog = new diaSlotRennen(*m_turnier);
        m_dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}
