#include "ui/Speicherstatus.h"

#include "engine/Rundensicherung.h"

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
    const bool vorher = !isHidden();
    setText(text);
    setVisible(!text.isEmpty());
    if (vorher != !text.isEmpty()) emit platzGeaendert();
}

QRect Speicherstatus::ordneAn(const QRect& flaeche) {
    if (isHidden()) return flaeche;
    QFont f = font();
    f.setPointSizeF(qMax(10.0, flaeche.height() / 45.0));
    setFont(f);
    const int hoehe = qMax(sizeHint().height(), fontMetrics().height() * 2);
    setGeometry(flaeche.left(), flaeche.top(), flaeche.width(), hoehe);
    raise();
    return flaeche.adjusted(0, hoehe, 0, 0);
}
