#pragma once
// Real-time scheduling for the acquisition threads (parallel-port sampling, modem-line
// watcher). Under an ordinary time-sharing policy a busy machine leaves such a thread
// waiting for several milliseconds, and a 1 ms pulse is lost. SCHED_FIFO at a modest
// priority lets it preempt ordinary work while it sleeps nearly all the time anyway.
// Without the right (no RLIMIT_RTPRIO, no CAP_SYS_NICE) the thread keeps running as before.

#include <QString>

namespace Echtzeit {

// Priority asked for: well above ordinary threads, below the kernel's own interrupt threads.
constexpr int prioritaet = 10;

// Asks real-time scheduling for the calling thread. True when granted; `grund` then names
// the policy, otherwise why it was refused. PISTORELLE_OHNE_ECHTZEIT=1 in the environment
// leaves every thread at its ordinary priority.
bool fordereAn(QString* grund = nullptr);

// The debug line of one thread's request, e.g. "Echtzeit für LPT-Abtastung: gewährt (...)".
QString meldung(const QString& thread, bool gewaehrt, const QString& grund);

}  // namespace Echtzeit
