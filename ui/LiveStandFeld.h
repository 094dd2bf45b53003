#pragma once
// The live scoreboard's address on the main window: the text to type and a QR code of it for
// the phones, or the message when the port could not be opened.

#include <QImage>
#include <QWidget>

#include "uebertragung/LiveStand.h"

class QLabel;
class Hauptanzeige;
class Rennleitung;
class ZeitnahmeStatus;
class frmMain;

class LiveStandFeld : public QWidget {
    Q_OBJECT
public:
    LiveStandFeld(LiveStand& stand, QWidget* parent = nullptr);

    // Starts the server as the settings say, owned by the main window, and shows its address
    // there; called again, it replaces the server it started before. Null when it is
    // switched off.
    static LiveStand* richteEin(frmMain& f, Rennleitung& leitung, Hauptanzeige& anzeige,
                                ZeitnahmeStatus* zeitnahme = nullptr,
                                LiveStand::Serienquelle serie = {});
    // Puts a field for the server into the main window's top row.
    static LiveStandFeld* zeige(frmMain& f, LiveStand& stand);
    // Black modules on white with a quiet zone of four modules, modul pixels each; a null
    // image when the text cannot be encoded.
    static QImage qrCode(const QString& text, int modul);

    QLabel* adresse() const { return m_adresse; }
    QLabel* code() const { return m_code; }

private:
    void aktualisiere(int zuschauer);

    LiveStand& m_stand;
    QLabel* m_adresse = nullptr;
    QLabel* m_code = nullptr;
};
