#include "klang/EspeakSynthese.h"

#include <espeak-ng/speak_lib.h>

#include <QMetaObject>
#include <QMutex>
#include <QMutexLocker>
#include <cstring>

namespace {
// espeak-ng keeps global state: one synthesis at a time, whatever thread asks.
QMutex& engineSperre() {
    static QMutex sperre;
    return sperre;
}

int g_rate = 0;  // 0 = not tried yet, -1 = unavailable
QByteArray* g_ziel = nullptr;

int sammle(short* wav, int anzahl, espeak_EVENT*) {
    if (wav && anzahl > 0 && g_ziel)
        g_ziel->append(reinterpret_cast<const char*>(wav), qsizetype(anzahl) * 2);
    return 0;  // go on
}

bool initialisiereGesperrt() {
    if (g_rate == 0) {
        const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
        g_rate = rate > 0 ? rate : -1;
        if (g_rate > 0) espeak_SetSynthCallback(sammle);
    }
    return g_rate > 0;
}
}  // namespace

EspeakSynthese::EspeakSynthese(QObject* parent) : SprachSynthese(parent) {
    m_arbeiter = new QObject;
    m_arbeiter->moveToThread(&m_faden);
    connect(&m_faden, &QThread::finished, m_arbeiter, &QObject::deleteLater);
    m_faden.setObjectName(QStringLiteral("Sprache"));
    m_faden.start();
}

EspeakSynthese::~EspeakSynthese() {
    m_faden.quit();
    m_faden.wait();
}

void EspeakSynthese::starte(const QString& text, const QString& stimme) {
    QMetaObject::invokeMethod(m_arbeiter, [this, text, stimme] {
        const SprachPcm pcm = synthetisiere(text, stimme);
        // Back to the owner's thread; dropped if the owner is gone by then.
        QMetaObject::invokeMethod(
            this, [this, pcm] { emit fertig(pcm); }, Qt::QueuedConnection);
    });
}

bool EspeakSynthese::verfuegbar() {
    QMutexLocker lock(&engineSperre());
    return initialisiereGesperrt();
}

SprachPcm EspeakSynthese::synthetisiere(const QString& text, const QString& stimme) {
    QMutexLocker lock(&engineSperre());
    SprachPcm pcm;
    if (!initialisiereGesperrt()) return pcm;
    pcm.rate = g_rate;
    if (espeak_SetVoiceByName(stimme.toUtf8().constData()) != EE_OK) {
        // An unknown character falls back to the plain voice of the language.
        const QString sprache = stimme.section(QLatin1Char('+'), 0, 0);
        if (espeak_SetVoiceByName(sprache.toUtf8().constData()) != EE_OK) return pcm;
    }
    const QByteArray utf8 = text.toUtf8();
    g_ziel = &pcm.daten;
    espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
                 nullptr, nullptr);
    g_ziel = nullptr;
    return pcm;
}

QVector<EspeakSynthese::Figur> EspeakSynthese::figuren() {
    QMutexLocker lock(&engineSperre());
    QVector<Figur> liste;
    if (!initialisiereGesperrt()) return liste;
    espeak_VOICE muster;
    std::memset(&muster, 0, sizeof muster);
    muster.languages = "variant";
    const espeak_VOICE** stimmen = espeak_ListVoices(&muster);
    for (int i = 0; stimmen && stimmen[i]; ++i) {
        QString datei = QString::fromUtf8(stimmen[i]->identifier);
        const int schraegstrich = datei.lastIndexOf(QLatin1Char('/'));
        if (schraegstrich >= 0) datei = datei.mid(schraegstrich + 1);
        liste.append({QString::fromUtf8(stimmen[i]->name), datei});
    }
    return liste;
}

QString EspeakSynthese::stimmeFuer(int langId, const QString& figur) {
    const QString sprache = langId == 1033 ? QStringLiteral("en") : QStringLiteral("de");
    return figur.isEmpty() ? sprache : sprache + QLatin1Char('+') + figur;
}
