#pragma once
// Hands the samples of an acquisition thread to the UI thread without a lock: one writer, one
// reader, a fixed ring. The writer never waits and never allocates, so a real-time sampling
// thread cannot be held up by the UI thread (no priority inversion on a queue mutex); when the
// reader has fallen a whole ring behind, the newest sample is dropped and counted.

#include <QtGlobal>
#include <array>
#include <atomic>

struct Abtastprobe {
    quint16 w1 = 0, w2 = 0;
    qint32 zeit = 0;
};

class Abtastpuffer {
public:
    static constexpr quint32 groesse = 4096;  // 2 s of changes at every sample of 2 kHz

    // Writer side (the sampling thread).
    bool schreibe(const Abtastprobe& p) {
        const quint32 kopf = m_kopf.load(std::memory_order_relaxed);
        if (kopf - m_schwanz.load(std::memory_order_acquire) == groesse) {
            m_verworfen.fetch_add(1, std::memory_order_relaxed);
            return false;
        }
        m_ring[kopf % groesse] = p;
        m_kopf.store(kopf + 1, std::memory_order_release);
        return true;
    }
    // Reader side (the UI thread).
    bool lies(Abtastprobe& p) {
        const quint32 schwanz = m_schwanz.load(std::memory_order_relaxed);
        if (schwanz == m_kopf.load(std::memory_order_acquire)) return false;
        p = m_ring[schwanz % groesse];
        m_schwanz.store(schwanz + 1, std::memory_order_release);
        return true;
    }
    // Samples dropped since the last call.
    quint32 holeVerworfen() { return m_verworfen.exchange(0, std::memory_order_relaxed); }
    // Only while no writer runs.
    void leere() {
        m_kopf = 0;
        m_schwanz = 0;
        m_verworfen = 0;
    }

private:
    std::array<Abtastprobe, groesse> m_ring{};
    alignas(64) std::atomic<quint32> m_kopf{0};
    alignas(64) std::atomic<quint32> m_schwanz{0};
    std::atomic<quint32> m_verworfen{0};
};
