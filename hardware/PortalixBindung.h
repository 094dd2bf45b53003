#pragma once
// The four functions of the bridge library, bound by name when the race box is first used.
// The program ships Portalix ("portalix"); the simulated box ("portalix_sim") offers the same
// functions and can take its place.

#include <QLibrary>
#include <QString>

class PortalixBindung {
public:
    using UsbOpen = int (*)();
    using ReadRam = unsigned char (*)(int);
    using WriteRam = int (*)(int, int, unsigned char*);
    using UsbClose = int (*)();

    // Loads the library and resolves all four functions. A bare name is looked for beside
    // the program first (the build), then in the installed program's library folder, then
    // where the system looks for libraries. False (and fehler() says why) when the library or
    // one of the functions is missing.
    bool lade(const QString& name);
    bool geladen() const { return m_usbopen != nullptr; }
    // Forgets the functions (the library stays loaded: another binding may still use it).
    void loese();
    QString name() const { return m_name; }
    QString datei() const { return m_datei; }
    QString fehler() const { return m_fehler; }

    int usbopen() const { return m_usbopen(); }
    unsigned char readram(int adresse) const { return m_readram(adresse); }
    int writeram(int adresse, int laenge, unsigned char* daten) const {
        return m_writeram(adresse, laenge, daten);
    }
    int usbclose() const { return m_usbclose(); }

private:
    QString m_name;
    QString m_datei;
    QString m_fehler;
    UsbOpen m_usbopen = nullptr;
    ReadRam m_readram = nullptr;
    WriteRam m_writeram = nullptr;
    UsbClose m_usbclose = nullptr;
};
