#pragma once
// Scripted stand-ins for the gui tests: start-up dialogs, engine questions, speech engine.

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include "Sprachskript.h"
#include "engine/Rueckfrage.h"
#include "ui/StartDialoge.h"

// Settings, data and runtime folders of the test's own below heim, so a test never touches
// the user's settings or database. The runtime folder is private: Qt refuses one others may
// read, and the program's lock would move to a folder every copy of the program shares.
inline bool eigeneOrdner(const QTemporaryDir& heim) {
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"}) {
        const QString ordner = heim.filePath(QString::fromLatin1(name));
        if (!QDir().mkpath(ordner) ||
            !QFile::setPermissions(ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            return false;
        qputenv(name, ordner.toUtf8());
    }
    return true;
}

// A control of a window as the user finds it: by its name in that window, not in a window
// opened from it that uses the same name. A missing one ends the test at once.
template <class T = QWidget>
T* findeIn(const QWidget* fenster, const QString& name) {
    for (T* w : fenster->findChildren<T*>(name))
        if (w->window() == fenster) return w;
    qFatal("%s: kein %s", qPrintable(fenster->objectName()), qPrintable(name));
}

class SkriptDialoge : public StartDialoge {
public:
    QStringList meldungen;
    int datenbankDialoge = 0;
    bool datenbankOk = false;  // answer of the database dialog
    DatenbankWahl antwort;     // used when datenbankOk
    DatenbankWahl gezeigt;     // what the dialog was opened with

    QStringList fragen;
    bool frageAntwort = true;  // answer of every question

    void meldung(const QString& text) override { meldungen << text; }
    bool frage(const QString& text) override {
        fragen << text;
        return frageAntwort;
    }
    bool datenbankAuswaehlen(DatenbankWahl& wahl) override {
        ++datenbankDialoge;
        gezeigt = wahl;
        if (datenbankOk) wahl = antwort;
        return datenbankOk;
    }
};

class SkriptRueckfrage : public Rueckfrage {
public:
    QStringList fragen, meldungen;
    bool antwort = true;
    bool frage(const QString& text) override {
        fragen << text;
        return antwort;
    }
    void meldung(const QString& text) override { meldungen << text; }
};

// Two offscreen screens side by side, 1280 x 800 and the second of the given size, for the
// QApplication made after this call; the file goes into ordner. False when it cannot be written.
inline bool zweiSchirme(const QTemporaryDir& ordner, int breite, int hoehe) {
    QFile schirme(ordner.filePath(QStringLiteral("schirme.json")));
    if (!schirme.open(QIODevice::WriteOnly)) return false;
    schirme.write(
        QStringLiteral(
            R"({"screens":[)"
            R"({"name":"A","x":0,"y":0,"width":1280,"height":800,"logicalDpiX":96,"logicalDpiY":96},)"
            R"({"name":"B","x":1280,"y":0,"width":%1,"height":%2,"logicalDpiX":96,"logicalDpiY":96}]})")
            .arg(breite)
            .arg(hoehe)
            .toUtf8());
    schirme.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + schirme.fileName().toUtf8());
    return true;
}
