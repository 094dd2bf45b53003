#pragma once
// The program's own sounds (start light on, start light out, lap beep), written as wave files
// to the places the settings name by default, so a fresh installation has something to play.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace StandardToene {
// The settings keys of the program's own sounds: TonAmpelAn, TonAmpelAus, TonBeep.
QStringList schluessel();
// The wave file for TonAmpelAn, TonAmpelAus or TonBeep; empty for any other key.
QByteArray wav(const QString& schluessel);
// Writes every default sound that is missing; returns the files written. A file that exists
// is left alone (the user may have replaced it).
QStringList installiere();
}  // namespace StandardToene
