#include "hardware/SensorBoxTreiber.h"

#include <QCoreApplication>
#include <QtGlobal>

QString SensorBoxTreiber::bibliotheksName() {
    const QString name = qEnvironmentVariable("PISTORELLE_SENSORBOX");
    return name.isEmpty() ? QStringLiteral("jnutl") : name;
}

std::unique_ptr<SensorBoxTreiber> SensorBoxTreiber::erzeuge(QString* fehler) {
    const QString name = bibliotheksName();
    if (name == QLatin1String("sim")) return std::make_unique<SimulierterSensorBoxTreiber>();
    return SensorBoxBibliothek::lade(name, fehler);
}

// ---- library bound by name ----

namespace {
template <typename Fn>
bool binde(QLibrary& lib, const char* dekoriert, const char* schlicht, Fn& fn, QString* fehler) {
    QFunctionPointer p = lib.resolve(dekoriert);
    if (!p) p = lib.resolve(schlicht);
    if (!p && fehler)
        *fehler = QCoreApplication::translate("SensorBoxTreiber", "%1: Einsprung %2 fehlt")
                      .arg(lib.fileName(), QLatin1String(schlicht));
    fn = reinterpret_cast<Fn>(p);
    return p != nullptr;
}
}  // namespace

std::unique_ptr<SensorBoxBibliothek> SensorBoxBibliothek::lade(const QString& name,
                                                               QString* fehler) {
    std::unique_ptr<SensorBoxBibliothek> t(new SensorBoxBibliothek);
    t->m_lib = std::make_unique<QLibrary>(name);
    if (!t->m_lib->load()) {
        if (fehler) *fehler = t->m_lib->errorString();
        return nullptr;
    }
    QLibrary& lib = *t->m_lib;
    if (!binde(lib, "_InitBoxes@0", "InitBoxes", t->m_init, fehler) ||
        !binde(lib, "_OpenBox@8", "OpenBox", t->m_open, fehler) ||
        !binde(lib, "_RX_data@8", "RX_data", t->m_rx, fehler) ||
        !binde(lib, "_Get_Event@4", "Get_Event", t->m_event, fehler) ||
        !binde(lib, "_Get_TXDat@4", "Get_TXDat", t->m_txdat, fehler) ||
        !binde(lib, "_Get_TStamp@4", "Get_TStamp", t->m_tstamp, fehler))
        return nullptr;
    return t;
}

void SensorBoxBibliothek::InitBoxes() { m_init(); }
void SensorBoxBibliothek::OpenBox(qint32 box, const qint16* konfig) { m_open(box, konfig); }
qint32 SensorBoxBibliothek::RX_data(qint32 box, qint32 zeichen) { return m_rx(box, zeichen); }
qint32 SensorBoxBibliothek::Get_Event(SensorBoxEreignis* e) { return m_event(e); }
qint32 SensorBoxBibliothek::Get_TXDat(qint32 box) { return m_txdat(box); }
qint32 SensorBoxBibliothek::Get_TStamp(qint32 box) { return m_tstamp(box); }

// ---- simulated box ----

namespace {
// Events nobody fetches must not pile up without end.
constexpr size_t maxEreignisse = 64;
}  // namespace

void SimulierterSensorBoxTreiber::InitBoxes() {
    m_puffer.clear();
    m_ereignisse.clear();
    m_senden.clear();
    m_offen = false;
}

void SimulierterSensorBoxTreiber::OpenBox(qint32, const qint16* konfig) {
    for (int i = 0; i < 8; ++i) m_konfig[i] = konfig ? konfig[i] : 0;
    m_offen = true;
}

qint32 SimulierterSensorBoxTreiber::RX_data(qint32, qint32 zeichen) {
    using namespace SimSensorBox;
    m_puffer.append(char(zeichen & 0xFF));
    // Resynchronise on the header; a frame with a bad check loses its first byte only.
    for (;;) {
        const qsizetype k = m_puffer.indexOf(char(kopf));
        if (k < 0) {
            m_puffer.clear();
            return 0;
        }
        m_puffer.remove(0, k);
        if (m_puffer.size() < rahmenLaenge) return 0;
        const auto* r = reinterpret_cast<const unsigned char*>(m_puffer.constData());
        if (pruefXor(r + 1, 6) != r[7]) {
            m_puffer.remove(0, 1);
            continue;
        }
        const unsigned char typ = r[1];
        const unsigned char sensor = r[2];
        m_takt =
            qint32(quint32(r[3]) | quint32(r[4]) << 8 | quint32(r[5]) << 16 | quint32(r[6]) << 24);
        m_puffer.remove(0, rahmenLaenge);
        if (typ == typTakt) return 0;
        if (typ >= 0x80) return 0x8000 | (typ & 0x7F);
        if (typ >= 0x10) return typ;
        if (typ == 0) return 0;
        if (m_ereignisse.size() >= maxEreignisse) m_ereignisse.pop_front();
        m_ereignisse.push_back({qint32(typ) << 8 | (sensor & 3), m_takt});
        if (typ == typSendeWunsch) {
            unsigned char k[konfigLaenge];
            k[0] = konfigKopf;
            for (int i = 0; i < 8; ++i) {
                k[1 + 2 * i] = quint16(m_konfig[i]) & 0xFF;
                k[2 + 2 * i] = quint16(m_konfig[i]) >> 8;
            }
            k[17] = pruefXor(k + 1, 16);
            m_senden.assign(k, k + konfigLaenge);
        }
        return 2;
    }
}

qint32 SimulierterSensorBoxTreiber::Get_Event(SensorBoxEreignis* ereignis) {
    if (m_ereignisse.empty() || !ereignis) return 0;
    *ereignis = m_ereignisse.front();
    m_ereignisse.pop_front();
    return 1;
}

qint32 SimulierterSensorBoxTreiber::Get_TXDat(qint32) {
    if (m_senden.empty()) return -1;
    const unsigned char b = m_senden.front();
    m_senden.pop_front();
    return b;
}

qint32 SimulierterSensorBoxTreiber::Get_TStamp(qint32) { return m_takt; }
