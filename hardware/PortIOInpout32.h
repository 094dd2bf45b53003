#pragma once
// Windows: the port library inpout32.dll (inpoutx64.dll in 64-bit programs), loaded by name.
// Compiled on Windows only.

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <QLibrary>
#include <QString>

#include "hardware/PortIO.h"

class PortIOInpout32 : public PortIO {
public:
    PortIOInpout32();

    bool bereit() const { return m_inp && m_out; }
    QString fehler() const { return m_fehler; }

    quint8 Inp32(quint16 adresse) override;
    void Out32(quint16 adresse, quint8 wert) override;
    QString name() const override;

private:
    using InpFunktion = short(__stdcall*)(short);
    using OutFunktion = void(__stdcall*)(short, short);

    QLibrary m_bibliothek;
    InpFunktion m_inp = nullptr;
    OutFunktion m_out = nullptr;
    QString m_fehler;
};
#endif
