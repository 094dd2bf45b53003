#pragma once
// The per-user settings store: an INI file with the group [Parameter], values as text, key
// names compared without regard to case. Writing keeps the file's comments and unknown lines;
// the first write after each start copies the file to Pistorelle.ini.bak first.
// HoleRegWerte/SchreibeRegWerte move the whole settings record; hole/speichere serve the keys read
// and written on their own.

#include <QString>
#include <QVariant>

#include "config/Einstellungen.h"
#include "config/IniDatei.h"

class EinstellungsSpeicher {
public:
    // pfad: the INI file; empty means the user's own ($XDG_CONFIG_HOME/Pistorelle/Pistorelle.ini).
    explicit EinstellungsSpeicher(QString pfad = QString());

    static QString standardPfad();
    QString pfad() const { return m_pfad; }

    // Fills the record from the store; a missing key or a text that is not a valid number of
    // the key's kind yields the default.
    void HoleRegWerte(Einstellungen& e) const;
    // The same from a file already read.
    static void leseWerte(const IniDatei& ini, Einstellungen& e);
    // Writes every key of the bulk load (and ComPfad1..10) from the record.
    void SchreibeRegWerte(const Einstellungen& e);

    // Single keys: the stored text, or standard when the key is missing.
    QString hole(const QString& schluessel, const QString& standard = QString()) const;
    void speichere(const QString& schluessel, const QString& wert);

    // LaufMatrix of the given lane count; a count outside 1..8 reads LaufMatrix4. A stored
    // text that does not name every lane once, starting with 1 and ending with 2, gives the
    // default.
    QString LaufMatrix(int anzahl) const;

    // The default text of any key this program knows (bulk load, DatenBank, LaufMatrix1..8,
    // MeineFarbe1..6, MeineFontFarbe1..6, ComPfad1..10), empty for an unknown key.
    static QString standardWert(const QString& schluessel);

    // Defaults that depend on the installation.
    static QString standardDatenOrdner();  // $XDG_DATA_HOME/Pistorelle
    static QString standardBilderPfad();
    static QString standardTon(const QString& schluessel);  // TonAmpelAn, TonAmpelAus, TonBeep
    static QString standardComPfad(int nummer);
    static QString standardDatenBank();  // $XDG_DATA_HOME/Pistorelle/Pistorelle.db

private:
    QString m_pfad;
};

// Writes one value of the lane panel layout to the INI file ltfPfad + "Pistorelle.INI".
void SchreibeIni(const QString& ltfPfad, const QString& abschnitt, const QString& schluessel,
                 const QVariant& wert);
