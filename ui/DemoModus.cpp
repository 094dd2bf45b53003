#include "ui/DemoModus.h"

#include <limits>

#include "config/Uhr.h"
#include "engine/Rennleitung.h"
#include "hardware/DemoZeitnahme.h"

DemoModus::DemoModus(Rennleitung& leitung, QObject* parent)
    : QObject(parent),
      m_leitung(leitung),
      m_zeitnahme(new DemoZeitnahme(leitung.uhr(), leitung.einstellungen(), this)) {
    const RennZustand* z = &leitung.zustand();
    m_zeitnahme->setzeStrecke([z] {
        return DemoZeitnahme::Strecke{z->RennenLaeuft, z->AmpelPhase == 6, !z->ChaosAktiv,
                                      z->FreieBahn};
    });
    Rennleitung* l = &leitung;
    connect(
        m_zeitnahme, &Zeitnahme::rundeErfasst, this,
        [l](int eingang, qint32 zeit, int zehntel) { l->RundenErfassung(eingang, zeit, zehntel); });
}

DemoModus::~DemoModus() = default;

bool DemoModus::aktiv() const { return m_zeitnahme->aktiv(); }

bool DemoModus::schaltbar() const { return !m_leitung.zustand().RennenLaeuft; }

bool DemoModus::perUmgebung() {
    return qEnvironmentVariable("PISTORELLE_HARDWARE")
               .compare(QLatin1String("demo"), Qt::CaseInsensitive) == 0;
}

void DemoModus::schalte(bool an) {
    if (an == aktiv() || !schaltbar()) return;
    if (an) {
        // The cars' seed from the program's one generator, so a seeded clock repeats the race.
        m_zeitnahme->schalteEin(quint32(m_leitung.uhr().zufall(0, std::numeric_limits<int>::max())));
    } else {
        m_zeitnahme->schalteAus();
    }
    emit umgeschaltet(an);
}
