#pragma once
// The wall clock of the running program: QElapsedTimer, precise QTimers, local event loops.

#include <QElapsedTimer>

#include "config/Uhr.h"

class EchteUhr : public Uhr {
    Q_OBJECT
public:
    explicit EchteUhr(QObject* parent = nullptr);
    qint64 ms() const override { return m_lauf.elapsed(); }
    QDateTime jetzt() const override { return QDateTime::currentDateTime(); }
    UhrTimer* neuerTimer(QObject* parent = nullptr) override;
    bool Warte(double sekunden) override;

private:
    QElapsedTimer m_lauf;
};
