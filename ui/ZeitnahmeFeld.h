#pragma once
// The status field of the main window's button bar: the timing interface and its port above
// its state ("DS300 COM1" / "aktiv"), always in full, red while the source cannot count laps;
// the reason, the latest message and what to do in the tooltip. It mirrors the engine's
// ZeitnahmeStatus.

#include <QLabel>
#include <QPointer>

class ZeitnahmeStatus;

class ZeitnahmeFeld : public QLabel {
    Q_OBJECT
public:
    explicit ZeitnahmeFeld(ZeitnahmeStatus& status, QWidget* parent = nullptr);

    bool istRot() const { return m_rot; }

signals:
    // The window caption should be built again (box inputs and relays, state).
    void captionGeaendert();

private:
    void spiegele();

    QPointer<ZeitnahmeStatus> m_status;
    bool m_rot = false;
};
