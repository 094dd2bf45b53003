#include "ui/DateiWahl.h"

#include <QDir>
#include <QFileDialog>
#include <QPointer>

DateiWahl standardDateiWahl(QWidget* eltern) {
    QPointer<QWidget> e(eltern);
    return [e](const QString& titel, const QString& filter, const QString& ordner,
               const QString& vorgabe) {
        const QString start = vorgabe.isEmpty() ? ordner : QDir(ordner).filePath(vorgabe);
        // The dialog never changes the program's current folder.
        const QString alt = QDir::currentPath();
        const QString datei = QFileDialog::getOpenFileName(e, titel, start, filter);
        QDir::setCurrent(alt);
        return datei;
    };
}
