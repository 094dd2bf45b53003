#include "darstellung/Programmkopf.h"

#include <QCoreApplication>
#include <QStringList>

#include "config/Installation.h"

QString Programmkopf::version() {
    const QString version = QCoreApplication::applicationVersion();
    return version.isEmpty() ? QStringLiteral(PISTORELLE_VERSION) : version;
}

QString Programmkopf::titel() {
    const QStringList teile = version().split(QLatin1Char('.'));
    const QString name = QCoreApplication::applicationName().isEmpty()
                             ? QStringLiteral("Pistorelle")
                             : QCoreApplication::applicationName();
    return name + QLatin1Char(' ') + teile.value(0, QStringLiteral("0")) + QLatin1Char('.') +
           teile.value(1, QStringLiteral("0")) + QLatin1Char('(') +
           teile.value(2, QStringLiteral("0")) + QLatin1Char(')');
}
