#pragma once
// Base of the gui tests that run the whole program: the virtual clock, scripted dialogs,
// questions and speech, a fresh settings store and default database for every test function,
// and the main window shown on the first screen.

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "TestHelfer.h"
#include "config/DebugLog.h"
#include "config/EinstellungsSpeicher.h"
#include "config/VirtuelleUhr.h"
#include "engine/Rennleitung.h"
#include "ui/ProgrammStart.h"
#include "ui/frmMain.h"

class ProgrammTest : public QObject {
protected:
    std::unique_ptr<QTemporaryDir> m_ordner;
    std::unique_ptr<VirtuelleUhr> m_uhr;
    std::unique_ptr<SkriptDialoge> m_dialoge;
    std::unique_ptr<SkriptRueckfrage> m_rueckfrage;
    std::unique_ptr<SkriptSynthese> m_synthese;
    std::unique_ptr<SkriptWiedergabe> m_wiedergabe;
    std::unique_ptr<ProgrammStart> m_start;

    frmMain* f() { return m_start->hauptfenster(); }
    Rennleitung& leitung() { return *m_start->leitung(); }

    // No settings, no database, new stand-ins: the start of every test function.
    void neueUmgebung() {
        m_start.reset();
        DebugLog::instanz().setAktiv(false);
        QFile::remove(EinstellungsSpeicher::standardPfad());
        for (const char* rest : {"", "-wal", "-shm"})
            QFile::remove(EinstellungsSpeicher::standardDatenBank() + QLatin1String(rest));
        m_ordner = std::make_unique<QTemporaryDir>();
        m_uhr = std::make_unique<VirtuelleUhr>();
        m_dialoge = std::make_unique<SkriptDialoge>();
        m_rueckfrage = std::make_unique<SkriptRueckfrage>();
        m_synthese = std::make_unique<SkriptSynthese>();
        m_wiedergabe = std::make_unique<SkriptWiedergabe>();
        m_synthese->sofort = true;
    }

    // Starts the program (again, on the same settings and database) and shows its window,
    // over the whole first screen unless ganzerSchirm is false.
    void starteProgramm(bool ganzerSchirm = true) {
        m_start.reset();
        ProgrammStart::Optionen o;
        o.uhr = m_uhr.get();
        o.synthese = m_synthese.get();
        o.wiedergabe = m_wiedergabe.get();
        o.rueckfrage = m_rueckfrage.get();
        o.sperrDatei = m_ordner->filePath("sperre");
        o.bildschirmHoehe = 800;
        o.fensterZeigen = false;
        m_start = std::make_unique<ProgrammStart>(*m_dialoge, o);
        QVERIFY(m_start->starte({"pistorelle"}));
        if (ganzerSchirm)
            f()->setGeometry(QGuiApplication::screens().first()->availableGeometry());
        f()->show();
        QVERIFY(QTest::qWaitForWindowExposed(f()));
    }
};
