#include "ui/FarbSeite.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "config/EinstellungsSpeicher.h"
#include "darstellung/Farbwert.h"
#include "engine/Rueckfrage.h"

namespace {
constexpr qint32 kKnopfText = qint32(0x80000012);

// Per scheme and lane 1..6: background, text.
constexpr std::array<std::array<std::pair<qint32, qint32>, 6>, 3> kSchemata{{
    // The defaults: black or white text, whichever reads at least 4.5:1 on the lane.
    {{{0x00FFFF, 0x000000},
      {0xFF0000, 0xFFFFFF},
      {0x00FF00, 0x000000},
      {0x0000FF, 0x000000},
      {0xFFFFC0, 0x000000},
      {0xC000C0, 0xFFFFFF}}},
    {{{0x4080FF, kKnopfText},
      {0x804000, 0xFFFFFF},
      {0x008000, 0xFFFFFF},
      {0x404080, kKnopfText},
      {0x400080, 0xFFFFFF},
      {0xA00000, kKnopfText}}},
    {{{0x80FFFF, 0xFF0000},
      {0xFFFF80, 0x0000FF},
      {0x80FF80, 0x00FFFF},
      {0x8080FF, 0x00FF00},
      {0xC080FF, 0xFF0000},
      {0xFF8000, 0xFF0000}}},
}};

qint32 alsZahl(const QString& text, qint32 standard) {
    bool ok = false;
    const qlonglong w = text.toLongLong(&ok);
    return ok ? qint32(quint32(w)) : standard;
}
}  // namespace

std::pair<qint32, qint32> FarbSeite::schemaFarben(Schema s, int bahn) {
    return kSchemata.at(size_t(s)).at(size_t(bahn - 1));
}

FarbSeite::FarbSeite(EinstellungsSpeicher& speicher, Rueckfrage& frage, QWidget* parent)
    : QWidget(parent), m_speicher(speicher), m_frage(frage) {
    m_farbWahl = [this](const QColor& jetzt) {
        return QColorDialog::getColor(jetzt, this, tr("Farbe wählen"));
    };
    auto* raster = new QGridLayout(this);
    for (int b = 1; b <= 6; ++b) {
        auto* probe = new QLabel(tr("Slot %1").arg(b), this);
        probe->setAlignment(Qt::AlignCenter);
        probe->setMinimumSize(220, 40);
        probe->setAutoFillBackground(true);
        QFont f = probe->font();
        f.setPointSize(16);
        f.setBold(true);
        probe->setFont(f);
        m_probe[size_t(b)] = probe;
        auto* slot = new QPushButton(tr("Slot Farbe"), this);
        auto* schrift = new QPushButton(tr("Schrift Farbe"), this);
        connect(slot, &QPushButton::clicked, this, [this, b] { SlotFarbe_Click(b); });
        connect(schrift, &QPushButton::clicked, this, [this, b] { SchriftFarbe_Click(b); });
        raster->addWidget(probe, b - 1, 0);
        raster->addWidget(slot, b - 1, 1);
        raster->addWidget(schrift, b - 1, 2);
    }
    auto* schemata = new QVBoxLayout;
    const std::pair<QString, std::function<void()>> knoepfe[] = {
        {tr("Default Farbe"), [this] { waehleSchema(Default); }},
        {tr("Dunkle Farbe"), [this] { waehleSchema(Dunkel); }},
        {tr("Helle Farbe"), [this] { waehleSchema(Hell); }},
        {tr("Meine Farbe"), [this] { MeineFarbe_Click(); }},
        {tr("Meine Farbe speichern"), [this] { MeineFarbeSpeichern_Click(); }},
    };
    for (const auto& [text, aktion] : knoepfe) {
        auto* k = new QPushButton(text, this);
        connect(k, &QPushButton::clicked, this, aktion);
        schemata->addWidget(k);
    }
    schemata->addStretch(1);
    raster->addLayout(schemata, 0, 3, 6, 1);
    raster->setColumnStretch(0, 1);
    raster->setRowStretch(6, 1);
}

void FarbSeite::setzeFarben(int bahn, qint32 hintergrund, qint32 schrift) {
    m_farbe[size_t(bahn)] = hintergrund;
    m_font[size_t(bahn)] = schrift;
    zeige(bahn);
}

void FarbSeite::zeige(int bahn) {
    QLabel* p = m_probe[size_t(bahn)];
    QPalette pal = p->palette();
    pal.setColor(QPalette::Window, Farbwert::alsFarbe(m_farbe[size_t(bahn)]));
    pal.setColor(QPalette::WindowText, Farbwert::alsFarbe(m_font[size_t(bahn)]));
    p->setPalette(pal);
}

void FarbSeite::waehleSchema(Schema s) {
    const QString fragen[3] = {tr("Sollen die Default Farben verwendet werden?"),
                               tr("Sollen die dunklen Farben verwendet werden?"),
                               tr("Sollen die hellen Farben verwendet werden?")};
    if (!m_frage.frage(fragen[s])) return;
    for (int b = 1; b <= 6; ++b) {
        const auto [h, t] = schemaFarben(s, b);
        setzeFarben(b, h, t);
    }
}

void FarbSeite::MeineFarbe_Click() {
    if (!m_frage.frage(tr("Sollen die eigenen Farben verwendet werden?"))) return;
    for (int b = 1; b <= 6; ++b) {
        const QString h = QStringLiteral("MeineFarbe%1").arg(b);
        const QString t = QStringLiteral("MeineFontFarbe%1").arg(b);
        setzeFarben(b,
                    alsZahl(m_speicher.hole(h, EinstellungsSpeicher::standardWert(h)), m_farbe[size_t(b)]),
                    alsZahl(m_speicher.hole(t, EinstellungsSpeicher::standardWert(t)), m_font[size_t(b)]));
    }
}

void FarbSeite::MeineFarbeSpeichern_Click() {
    if (!m_frage.frage(tr("Sollen die eigenen Farben gespeichert werden?"))) return;
    for (int b = 1; b <= 6; ++b) {
        m_speicher.speichere(QStringLiteral("MeineFarbe%1").arg(b),
                             QString::number(m_farbe[size_t(b)]));
        m_speicher.speichere(QStringLiteral("MeineFontFarbe%1").arg(b),
                             QString::number(m_font[size_t(b)]));
    }
}

void FarbSeite::SlotFarbe_Click(int bahn) {
    const QColor c = m_farbWahl(Farbwert::alsFarbe(m_farbe[size_t(bahn)]));
    if (c.isValid()) setzeFarben(bahn, Farbwert::alsWert(c), m_font[size_t(bahn)]);
}

void FarbSeite::SchriftFarbe_Click(int bahn) {
    const QColor c = m_farbWahl(Farbwert::alsFarbe(m_font[size_t(bahn)]));
    if (c.isValid()) setzeFarben(bahn, m_farbe[size_t(bahn)], Farbwert::alsWert(c));
}
