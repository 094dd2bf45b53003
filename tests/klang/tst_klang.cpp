// Speech and sounds without a window: the announcement queue (order, what waits too long,
// engines that answer at once or late), the real speech engine, the program's own sound files
// and the sound player. Links the speech and sound library only, no widgets.

#include <QAudioFormat>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <cmath>
#include <memory>

#include "Sprachskript.h"
#include "config/EinstellungsSpeicher.h"
#include "config/VirtuelleUhr.h"
#include "klang/EspeakSynthese.h"
#include "klang/SprachWarteschlange.h"
#include "klang/StandardToene.h"
#include "klang/Tonspieler.h"

namespace {
double effektivwert(const SprachPcm& pcm) {
    const auto* s = reinterpret_cast<const qint16*>(pcm.daten.constData());
    double summe = 0;
    for (int i = 0; i < pcm.anzahlSamples(); ++i) summe += double(s[i]) * s[i];
    return pcm.anzahlSamples() ? std::sqrt(summe / pcm.anzahlSamples()) : 0.0;
}
}  // namespace

class TestKlang : public QObject {
    Q_OBJECT

private slots:
    void init() { m_ordner = std::make_unique<QTemporaryDir>(); }

    void warteschlangeSprichtDerReiheNach() {
        SkriptSynthese synthese;
        SkriptWiedergabe wiedergabe;
        SprachWarteschlange schlange(synthese, wiedergabe);
        QSignalSpy beginnt(&schlange, &SprachWarteschlange::beginnt);
        QSignalSpy leer(&schlange, &SprachWarteschlange::leer);

        schlange.sprich("eins", "de");
        schlange.sprich("zwei", "de");
        schlange.sprich("drei", "en");
        // Only the first is being worked on; the others wait.
        QCOMPARE(synthese.gestartet, QStringList{"eins"});
        QCOMPARE(schlange.wartend(), 2);

        synthese.antworte();
        QCOMPARE(wiedergabe.gespielt, 1);
        // A new announcement while one is spoken does not cut it off.
        schlange.sprich("vier", "de");
        QCOMPARE(synthese.gestartet.size(), 1);
        QVERIFY(wiedergabe.laeuft);

        for (int i = 0; i < 3; ++i) {
            wiedergabe.ende();
            synthese.antworte();
        }
        wiedergabe.ende();
        QCOMPARE(synthese.gestartet, (QStringList{"eins", "zwei", "drei", "vier"}));
        QCOMPARE(synthese.stimmen, (QStringList{"de", "de", "en", "de"}));
        QStringList reihenfolge;
        for (const auto& a : beginnt) reihenfolge << a.at(0).toString();
        QCOMPARE(reihenfolge, (QStringList{"eins", "zwei", "drei", "vier"}));
        QCOMPARE(leer.size(), 1);
        QVERIFY(!schlange.beschaeftigt());
    }

    void spracheKommtNieZuSpaet() {
        VirtuelleUhr uhr;
        SkriptSynthese synthese;
        SkriptWiedergabe wiedergabe;
        SprachWarteschlange schlange(synthese, wiedergabe);
        schlange.setzeUhr(&uhr);
        schlange.sprich("Achtung, gleich geht es los", "de");
        synthese.antworte();
        schlange.sprich("Anna fährt neue Bestzeit mit 9.5", "de", Sprechart::Bestzeit, "Anna");
        schlange.sprich("Bert fährt neue Bestzeit mit 9.9", "de", Sprechart::Bestzeit, "Bert");
        uhr.vorruecken(4000);
        // Anna's newer best lap replaces her older one still waiting, Bert's stays.
        schlange.sprich("Anna fährt neue Bestzeit mit 9.1", "de", Sprechart::Bestzeit, "Anna");
        QCOMPARE(schlange.wartend(), 2);
        uhr.vorruecken(6500);  // Bert has waited 10.5 s, Anna's newest 6.5 s
        schlange.sprich("Das Rennen ist beendet.", "de", Sprechart::Ergebnis, {});
        uhr.vorruecken(20000);  // the results wait long, but are never dropped
        schlange.sprich("Anna 4 Runden", "de", Sprechart::Ergebnis, {});
        for (int i = 0; i < 4 && schlange.beschaeftigt(); ++i) {
            wiedergabe.ende();
            if (schlange.beschaeftigt()) synthese.antworte();
        }
        QCOMPARE(synthese.gestartet, (QStringList{"Achtung, gleich geht es los",
                                                  "Das Rennen ist beendet.", "Anna 4 Runden"}));
        QVERIFY(!schlange.beschaeftigt());
    }

    void warteschlangeMitSofortigenAntworten() {
        // Engines that answer inside starte() must not nest one call per announcement.
        SkriptSynthese synthese;
        SkriptWiedergabe wiedergabe;
        synthese.sofort = true;
        wiedergabe.sofort = true;
        SprachWarteschlange schlange(synthese, wiedergabe);
        QSignalSpy beendet(&schlange, &SprachWarteschlange::beendet);
        for (int i = 0; i < 500; ++i) schlange.sprich(QString::number(i), "de");
        QCOMPARE(beendet.size(), 500);
        QCOMPARE(beendet.last().at(0).toString(), QStringLiteral("499"));
        QVERIFY(!schlange.beschaeftigt());
    }

    void leerenVerwirftAuchDieVerspaeteteAntwort() {
        SkriptSynthese synthese;
        SkriptWiedergabe wiedergabe;
        SprachWarteschlange schlange(synthese, wiedergabe);
        schlange.sprich("alt", "de");
        schlange.sprich("weg", "de");
        schlange.leeren();
        schlange.sprich("neu", "de");
        synthese.antworte();  // the late answer for "alt" must not be played as "neu"
        QCOMPARE(wiedergabe.gespielt, 0);
        synthese.antworte();
        QCOMPARE(wiedergabe.gespielt, 1);
        QCOMPARE(synthese.gestartet, (QStringList{"alt", "neu"}));
    }

    void espeakSprichtHoerbarDeutschUndEnglisch_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stimme");
        QTest::newRow("deutsch") << "Achtung, gleich geht es los. Frühstart auf Bahn drei!"
                                 << EspeakSynthese::stimmeFuer(1031, QString());
        QTest::newRow("englisch") << "Attention, get ready for the start"
                                  << EspeakSynthese::stimmeFuer(1033, QString());
        QTest::newRow("figur") << "Willkommen bei Pistorelle"
                               << EspeakSynthese::stimmeFuer(1031, "m3");
        QTest::newRow("unbekannte figur") << "Willkommen" << QStringLiteral("de+gibtesnicht");
    }
    void espeakSprichtHoerbarDeutschUndEnglisch() {
        QFETCH(QString, text);
        QFETCH(QString, stimme);
        QVERIFY(EspeakSynthese::verfuegbar());
        const SprachPcm pcm = EspeakSynthese::synthetisiere(text, stimme);
        QVERIFY(pcm.rate >= 8000);
        // At least half a second of sound, and not silence.
        QVERIFY2(pcm.anzahlSamples() > pcm.rate / 2,
                 qPrintable(QString::number(pcm.anzahlSamples())));
        QVERIFY2(effektivwert(pcm) > 500.0, qPrintable(QString::number(effektivwert(pcm))));
    }

    void espeakAufEigenemFaden() {
        EspeakSynthese synthese;
        QSignalSpy fertig(&synthese, &SprachSynthese::fertig);
        synthese.starte("Sekunden", "de");
        QVERIFY(fertig.wait(30000));
        QVERIFY(fertig.first().at(0).value<SprachPcm>().anzahlSamples() > 0);
    }

    void standardToeneSindWaveDateien() {
        qputenv("XDG_DATA_HOME", m_ordner->filePath("daten").toUtf8());
        const QStringList geschrieben = StandardToene::installiere();
        QCOMPARE(geschrieben.size(), 3);
        for (const QString& schluessel : {"TonAmpelAn", "TonAmpelAus", "TonBeep"}) {
            const QString pfad = EinstellungsSpeicher::standardTon(schluessel);
            QVERIFY(geschrieben.contains(pfad));
            QFile f(pfad);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray d = f.readAll();
            QVERIFY(d.startsWith("RIFF") && d.mid(8, 8) == "WAVEfmt ");
            QCOMPARE(qFromLittleEndian<quint32>(d.constData() + 4), quint32(d.size() - 8));
            QCOMPARE(qFromLittleEndian<quint32>(d.constData() + 40), quint32(d.size() - 44));
            QVERIFY(d.size() > 44 + 2000);
        }
        // A sound the user put there is kept.
        const QString eigene = EinstellungsSpeicher::standardTon("TonBeep");
        QFile f(eigene);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("eigener Ton");
        f.close();
        QVERIFY(StandardToene::installiere().isEmpty());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("eigener Ton"));
    }

    void fehlendeTondateiWirdIgnoriert() {
        Tonspieler ton;
        QVERIFY(!ton.spiele(m_ordner->filePath("gibtesnicht.wav")));
        QVERIFY(!ton.spiele(QString()));
        QVERIFY(!ton.spiele(m_ordner->path()));  // a folder
        QFile text(m_ordner->filePath("text.wav"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("RIFF....WAVE kein Ton");
        text.close();
        QVERIFY(!ton.spiele(text.fileName()));
        QVERIFY(ton.zuletzt().isEmpty());

        QFile f(m_ordner->filePath("da.wav"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(StandardToene::wav("TonAmpelAus"));
        f.close();
        QVERIFY(ton.spiele(f.fileName()));
        QVERIFY(!ton.spiele(m_ordner->filePath("weg.wav")));
        QCOMPARE(ton.zuletzt(), QFileInfo(f.fileName()).absoluteFilePath());
        QVERIFY(ton.spiele(f.fileName()));

        // The sound is kept between plays, but not past a change of the file.
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("RIFF....WAVE kein Ton");
        f.close();
        QVERIFY(!ton.spiele(f.fileName()));
    }

    void waveDateiLesen() {
        const QByteArray wav = StandardToene::wav("TonBeep");
        QAudioFormat format;
        QByteArray samples;
        QVERIFY(Tonspieler::leseWave(wav, format, samples));
        QCOMPARE(format.sampleRate(), 22050);
        QCOMPARE(format.channelCount(), 1);
        QCOMPARE(format.sampleFormat(), QAudioFormat::Int16);
        QCOMPARE(samples.size(), wav.size() - 44);
        // Cut short: what is there is played; no header at all: nothing.
        QVERIFY(Tonspieler::leseWave(wav.left(1000), format, samples));
        QCOMPARE(samples.size(), 1000 - 44);
        QVERIFY(!Tonspieler::leseWave(wav.left(40), format, samples));
        // A compressed format is refused rather than played as noise.
        QByteArray adpcm = wav;
        qToLittleEndian<quint16>(2, adpcm.data() + 20);
        QVERIFY(!Tonspieler::leseWave(adpcm, format, samples));
    }

private:
    std::unique_ptr<QTemporaryDir> m_ordner;
};

QTEST_MAIN(TestKlang)
#include "tst_klang.moc"
