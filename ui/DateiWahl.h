#pragma once
// The file choosers of the master-data and options dialogs ("Wähle Bild", "Wähle Sound"). A
// dialog holds one of these so that tests can answer in place of the user; an empty result
// means the user cancelled and the field stays as it was.

#include <QString>
#include <functional>

class QWidget;

using DateiWahl = std::function<QString(const QString& titel, const QString& filter,
                                        const QString& ordner, const QString& vorgabe)>;

// The platform's open-file dialog, parented to eltern.
DateiWahl standardDateiWahl(QWidget* eltern);
