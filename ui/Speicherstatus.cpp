#include "Speicherstatus.h"

#include "Rundensicherung.h"

Speicherstatus::Speicherstatus(Rundensicherung& sicherung, QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("lblSpeicherstatus"));
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setStyleSheet(QStringLiteral("background-color: #c00000; color: white; font-weight: bold; "
                                 "padding: 4px;"));
    connect(&sicherung, &Rundensicherung::statusGeaendert, this, &Speicherstatus::zeige);
    zeige(sicherung.fehlerText());
}

void Speicherstatus::zeige(const QString& text) {
    setText(text);
    setVisible(!text.isEmpty());
    if (!text.isEmpty()) raise();
}

void Speicherstatus::ordneAn(const QRect& flaeche) {
    QFont f = font();
    f.setPointSizeF(qMax(10.0, flaeche.height() / 40.0));
    setFont(f);
    const int hoehe = qMax(sizeHint().height(), fontMetrics().height() * 2);
    setGeometry(flaeche.left(), flaeche.top(), flaeche.width(), hoehe);
    if (isVisible()) raise();
}
