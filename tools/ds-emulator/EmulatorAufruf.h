#pragma once
// The command line the emulators share: --port, --skript, --takt, --sofort, --help and an
// emulator's own number options; then the script (a file or the built-in race) and the opened
// port.

#include <QFile>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <initializer_list>
#include <optional>

#include "EmulatorPort.h"

// A number option only one emulator knows, e.g. {"--baud", &aufruf.baud}.
struct ZahlOption {
    const char* name;
    int* ziel;
};

// Word i of a script line as a number; a missing or bad one clears ok.
inline qint64 skriptZahl(const QStringList& w, int i, bool& ok, int basis = 10) {
    bool gut = false;
    const qint64 v = i < w.size() ? w[i].toLongLong(&gut, basis) : 0;
    ok = ok && gut;
    return v;
}

struct EmulatorAufruf {
    // hilfe: the usage text --help prints.
    EmulatorAufruf(int standardTakt, int standardBaud, const char* hilfe)
        : takt(standardTakt), baud(standardBaud), m_hilfe(hilfe) {}

    int takt;             // --takt MS
    int baud;             // fixed per emulator unless it offers --baud
    QString pfad;         // --port PFAD; empty: a new pseudo-terminal
    QString skript;       // --skript DATEI; empty: the built-in race
    bool sofort = false;  // --sofort: play without waiting for a line on stdin
    QString text;         // the script to play
    EmulatorPort port;

    // Reads the options and the script, opens the port and prints its path as the first line
    // of stdout. Returns the exit code when the emulator must stop (the reason is on stderr).
    std::optional<int> starte(int argc, char** argv, const char* standardSkript,
                              std::initializer_list<ZahlOption> eigene = {}) {
        for (int i = 1; i < argc; ++i) {
            const QString a = QString::fromLocal8Bit(argv[i]);
            const QString wert = i + 1 < argc ? QString::fromLocal8Bit(argv[i + 1]) : QString();
            if (a == "--help" || a == "-h") {
                std::fputs(m_hilfe, stdout);
                return 0;
            }
            if (a == "--port")
                pfad = wert, ++i;
            else if (a == "--skript")
                skript = wert, ++i;
            else if (a == "--takt")
                takt = wert.toInt(), ++i;
            else if (a == "--sofort")
                sofort = true;
            else if (const ZahlOption* o = finde(eigene, a))
                *o->ziel = wert.toInt(), ++i;
            else {
                std::fprintf(stderr, "unbekannt: %s (--help zeigt den Aufruf)\n", argv[i]);
                return 2;
            }
        }
        text = QString::fromUtf8(standardSkript);
        if (!skript.isEmpty()) {
            QFile f(skript);
            if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
                std::fprintf(stderr, "%s: %s\n", qPrintable(skript), qPrintable(f.errorString()));
                return 1;
            }
            text = QString::fromUtf8(f.readAll());
        }
        QString fehler;
        if (!port.oeffne(pfad, baud, &fehler)) {
            std::fprintf(stderr, "Port: %s\n", qPrintable(fehler));
            return 1;
        }
        std::printf("%s\n", qPrintable(port.pfad()));
        std::fflush(stdout);
        return std::nullopt;
    }

    // Plays the script line by line ('#' starts a comment). befehl(w, zeile, ok) gets a line's
    // words and returns the bytes to send (empty: none); it clears ok for a line it cannot read,
    // which is reported and skipped. Every send is followed by warte(takt). False when writing
    // failed; alles tells whether every line was understood.
    template <typename Befehl, typename Warte>
    bool spiele(Befehl befehl, Warte warte, bool& alles) {
        int nr = 0;
        for (const QString& z : text.split('\n')) {
            ++nr;
            const QStringList w = z.section('#', 0, 0).simplified().split(' ', Qt::SkipEmptyParts);
            if (w.isEmpty()) continue;
            bool ok = true;
            const QByteArray senden = befehl(w, z, ok);
            if (!ok) {
                std::fprintf(stderr, "Zeile %d nicht verstanden: %s\n", nr, qPrintable(z));
                alles = false;
                continue;
            }
            if (!senden.isEmpty()) {
                if (!port.schreibe(senden)) {
                    std::fprintf(stderr, "Schreiben fehlgeschlagen\n");
                    return false;
                }
                warte(takt);
            }
        }
        return true;
    }

private:
    const char* m_hilfe;

    static const ZahlOption* finde(std::initializer_list<ZahlOption> optionen, const QString& a) {
        for (const ZahlOption& o : optionen) {
            if (a == QLatin1String(o.name)) return &o;
        }
        return nullptr;
    }
};
