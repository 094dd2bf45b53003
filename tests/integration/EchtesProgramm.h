#pragma once
// The real program as a separate process, with settings, database and runtime folder of its
// own, under the offscreen platform; killed with SIGKILL when the test is done with it.

#include <signal.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class EchtesProgramm {
public:
    QTemporaryDir ordner;
    QProcess prozess;
    // PISTORELLE_HARDWARE for the program; empty: the real interfaces, whatever the test
    // runner chose for the other tests.
    QString hardware;

    QString datenbank() const { return ordner.filePath("daten/Pistorelle/Pistorelle.db"); }
    QString einstellungen() const { return ordner.filePath("konfig/Pistorelle/Pistorelle.ini"); }

    void starte() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", ordner.filePath("konfig"));
        env.insert("XDG_DATA_HOME", ordner.filePath("daten"));
        env.insert("XDG_RUNTIME_DIR", ordner.filePath("laufzeit"));
        env.insert("PISTORELLE_LPT", "sim");
        if (hardware.isEmpty())
            env.remove("PISTORELLE_HARDWARE");
        else
            env.insert("PISTORELLE_HARDWARE", hardware);
        QDir().mkpath(ordner.filePath("laufzeit"));
        QFile::setPermissions(ordner.filePath("laufzeit"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        prozess.setProcessEnvironment(env);
        prozess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        prozess.start(PISTORELLE_PFAD, {});
        prozess.waitForStarted();
    }
    // The program holds a file descriptor on that path (a port it opened).
    bool haeltOffen(const QString& pfad, int ms = 30000) {
        QElapsedTimer t;
        t.start();
        const QString fd = QStringLiteral("/proc/%1/fd").arg(prozess.processId());
        while (t.elapsed() < ms && prozess.state() == QProcess::Running) {
            for (const QString& f : QDir(fd).entryList(QDir::AllEntries | QDir::System)) {
                char ziel[512] = {};
                const QByteArray link = (fd + '/' + f).toLocal8Bit();
                if (::readlink(link.constData(), ziel, sizeof ziel - 1) > 0 &&
                    QString::fromLocal8Bit(ziel) == pfad)
                    return true;
            }
            QTest::qWait(20);
        }
        return false;
    }
    void toete() {
        if (prozess.state() == QProcess::NotRunning) return;
        ::kill(pid_t(prozess.processId()), SIGKILL);
        prozess.waitForFinished(10000);
    }
    ~EchtesProgramm() { toete(); }
};
