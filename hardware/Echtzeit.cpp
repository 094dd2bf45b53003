#include "hardware/Echtzeit.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <pthread.h>
#include <sched.h>

#include <cstring>
#endif

namespace Echtzeit {

bool fordereAn(QString* grund) {
    if (qEnvironmentVariableIntValue("PISTORELLE_OHNE_ECHTZEIT") == 1) {
        if (grund) *grund = QStringLiteral("abgeschaltet durch PISTORELLE_OHNE_ECHTZEIT");
        return false;
    }
#ifdef Q_OS_WIN
    const bool ok = SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL) != 0;
    if (grund)
        *grund = ok ? QStringLiteral("THREAD_PRIORITY_TIME_CRITICAL")
                    : QStringLiteral("Fehler %1").arg(GetLastError());
    return ok;
#else
    sched_param p{};
    p.sched_priority = prioritaet;
    const int fehler = pthread_setschedparam(pthread_self(), SCHED_FIFO, &p);
    if (grund)
        *grund = fehler == 0 ? QStringLiteral("SCHED_FIFO %1").arg(prioritaet)
                             : QString::fromLocal8Bit(strerror(fehler));
    return fehler == 0;
#endif
}

QString meldung(const QString& thread, bool gewaehrt, const QString& grund) {
    return gewaehrt ? QStringLiteral("Echtzeit für %1: gewährt (%2)").arg(thread, grund)
                    : QStringLiteral("Echtzeit für %1: nicht gewährt (%2), normale Priorität")
                          .arg(thread, grund);
}

}  // namespace Echtzeit
