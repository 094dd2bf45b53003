#include "ui/LiveStandFeld.h"

#include <qrencode.h>

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include "uebertragung/LiveStand.h"
#include "ui/Knopfleiste.h"
#include "ui/frmMain.h"

LiveStandFeld::LiveStandFeld(LiveStand& stand, QWidget* parent)
    : QWidget(parent), m_stand(stand) {
    setObjectName(QStringLiteral("LiveStandFeld"));
    auto* reihe = new QHBoxLayout(this);
    reihe->setContentsMargins(0, 0, 0, 0);
    m_adresse = new QLabel(this);
    m_adresse->setObjectName(QStringLiteral("lblLiveStand"));
    m_adresse->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_code = new QLabel(this);
    m_code->setObjectName(QStringLiteral("lblLiveStandCode"));
    reihe->addWidget(m_code);
    reihe->addWidget(m_adresse, 1);
    connect(&stand, &LiveStand::zuschauerGeaendert, this, &LiveStandFeld::aktualisiere);
    // The field lives as long as its server.
    connect(&stand, &QObject::destroyed, this, [this] {
        hide();
        deleteLater();
    });
    aktualisiere(stand.zuschauer());
}

LiveStand* LiveStandFeld::richteEin(frmMain& f, Rennleitung& leitung, Hauptanzeige& anzeige,
                                    ZeitnahmeStatus* zeitnahme, LiveStand::Serienquelle serie) {
    // Called again after the options changed: the old server and its field go first.
    delete f.findChild<LiveStand*>(QString(), Qt::FindDirectChildrenOnly);
    LiveStand* stand =
        LiveStand::ausEinstellungen(leitung, anzeige, &f, zeitnahme, std::move(serie));
    if (stand) zeige(f, *stand);
    return stand;
}

LiveStandFeld* LiveStandFeld::zeige(frmMain& f, LiveStand& stand) {
    auto* feld = new LiveStandFeld(stand);
    // A row of its own below the bar's two rows (and the announcer's strip): the address
    // must be readable in full at 1024 pixels.
    f.fuegeLeistenZeileAn(feld, Knopfleiste::zuschauerReihe);
    return feld;
}

void LiveStandFeld::aktualisiere(int zuschauer) {
    if (!m_stand.laeuft()) {
        m_adresse->setText(m_stand.fehler());
        m_adresse->setStyleSheet(QStringLiteral("QLabel { color: #b00000; font-weight: bold; }"));
        m_code->clear();
        m_code->hide();
        return;
    }
    const QString adresse = m_stand.adresse();
    m_adresse->setStyleSheet(QString());
    m_adresse->setText(tr("Live-Stand für Zuschauer im Browser: <b>%1</b> · %2 Zuschauer")
                           .arg(adresse.toHtmlEscaped())
                           .arg(zuschauer));
    if (m_code->pixmap().isNull()) {
        const QImage bild = qrCode(adresse, 2);
        if (!bild.isNull()) m_code->setPixmap(QPixmap::fromImage(bild));
    }
    m_code->show();
}

QImage LiveStandFeld::qrCode(const QString& text, int modul) {
    const QByteArray utf8 = text.toUtf8();
    QRcode* qr = QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
    if (!qr) return QImage();
    const int rand = 4;
    const int n = qr->width;
    QImage bild((n + 2 * rand) * modul, (n + 2 * rand) * modul, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            if (qr->data[y * n + x] & 1)
                p.fillRect((x + rand) * modul, (y + rand) * modul, modul, modul, Qt::black);
    p.end();
    QRcode_free(qr);
    return bild;
}
