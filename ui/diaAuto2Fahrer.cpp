#include "ui/diaAuto2Fahrer.h"

#include <QDate>
#include <QFileInfo>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSqlQuery>
#include <QVBoxLayout>

#include "data/Datenbank.h"
#include "ui/Doppelklick.h"

namespace {

void fuelleListe(Datenbank& db, QListWidget* liste, const QString& sql, const QVariantList& werte) {
    const int vorher = liste->currentItem() ? liste->currentItem()->data(Qt::UserRole).toInt() : 0;
    liste->clear();
    QSqlQuery q(db.db());
    q.prepare(sql);
    for (const QVariant& w : werte) q.addBindValue(w);
    if (!q.exec()) return;
    while (q.next()) {
        auto* eintrag = new QListWidgetItem(q.value(0).toString(), liste);
        eintrag->setData(Qt::UserRole, q.value(1));
        if (vorher != 0 && q.value(1).toInt() == vorher) liste->setCurrentItem(eintrag);
    }
}

bool waehle(QListWidget* liste, int nummer) {
    for (int i = 0; i < liste->count(); ++i)
        if (liste->item(i)->data(Qt::UserRole).toInt() == nummer) {
            liste->setCurrentRow(i);
            return true;
        }
    return false;
}

}  // namespace

diaAuto2Fahrer::diaAuto2Fahrer(Datenbank& db, const QString& bilderPfad, QWidget* parent)
    : QDialog(parent), m_db(db), m_bilderPfad(bilderPfad), m_dateiWahl(standardDateiWahl(this)) {
    setWindowTitle(tr("Auto Fahrer zuordnen"));
    auto* fahrerSeite = new QGroupBox(tr("Fahrer"), this);
    auto* autoSeite = new QGroupBox(tr("Autos"), this);
    baueFahrer(fahrerSeite);
    baueAuto(autoSeite);

    auto* mitte = new QVBoxLayout;
    mitte->addStretch(1);
    auto* zuweisen = new QPushButton(tr("Auto zuweisen"), this);
    auto* aufheben = new QPushButton(tr("Zuweisung aufheben"), this);
    zuweisen->setToolTip(tr("Das gewählte Auto dem gewählten Fahrer zuweisen"));
    aufheben->setToolTip(tr("Das in \"Autos des Fahrers\" gewählte Auto vom Fahrer lösen"));
    mitte->addWidget(zuweisen);
    mitte->addWidget(aufheben);
    mitte->addStretch(1);
    connect(zuweisen, &QPushButton::clicked, this, &diaAuto2Fahrer::cmdZuweisen_Click);
    connect(aufheben, &QPushButton::clicked, this, &diaAuto2Fahrer::cmdAufheben_Click);

    m_frameLoeschen = new QFrame(this);
    m_frameLoeschen->setFrameShape(QFrame::StyledPanel);
    m_frameLoeschen->setStyleSheet(QStringLiteral("QFrame { background: #fff3a0; }"));
    m_lblLoeschen = new QLabel(m_frameLoeschen);
    auto* ja = new QPushButton(tr("Ja, löschen"), m_frameLoeschen);
    auto* nein = new QPushButton(tr("Nein"), m_frameLoeschen);
    auto* frage = new QHBoxLayout(m_frameLoeschen);
    frage->addWidget(m_lblLoeschen, 1);
    frage->addWidget(ja);
    frage->addWidget(nein);
    m_frameLoeschen->hide();
    connect(ja, &QPushButton::clicked, this, &diaAuto2Fahrer::LoeschenBestaetigen);
    connect(nein, &QPushButton::clicked, m_frameLoeschen, &QFrame::hide);

    auto* pfad = new QLabel(tr("Bilder-Verz.: %1").arg(m_bilderPfad), this);
    pfad->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* schliessen = new QPushButton(tr("Schließen"), this);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);

    auto* spalten = new QHBoxLayout;
    spalten->addWidget(fahrerSeite, 1);
    spalten->addLayout(mitte);
    spalten->addWidget(autoSeite, 1);
    auto* unten = new QHBoxLayout;
    unten->addWidget(pfad, 1);
    unten->addWidget(schliessen);
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(spalten, 1);
    haupt->addWidget(m_frameLoeschen);
    haupt->addLayout(unten);

    fuelleFahrer();
    fuelleAutos();
}

void diaAuto2Fahrer::baueFahrer(QWidget* seite) {
    const char* const namen[7] = {
        QT_TRANSLATE_NOOP("diaAuto2Fahrer", "Nummer"),  QT_TRANSLATE_NOOP("diaAuto2Fahrer", "Name"),
        QT_TRANSLATE_NOOP("diaAuto2Fahrer", "Mitglied"), QT_TRANSLATE_NOOP("diaAuto2Fahrer", "Erstellt"),
        QT_TRANSLATE_NOOP("diaAuto2Fahrer", "Bild"),    QT_TRANSLATE_NOOP("diaAuto2Fahrer", "Vorname"),
        QT_TRANSLATE_NOOP("diaAuto2Fahrer", "Nachname")};
    m_lstFahrer = new QListWidget(seite);
    m_lstFahrerAutos = new QListWidget(seite);
    m_lstFahrerAutos->setMaximumHeight(110);
    auto* felder = new QFormLayout;
    for (int i : {0, 1, 5, 6, 2, 3, 4}) {
        m_txtFahrer[size_t(i)] = new QLineEdit(seite);
        m_txtFahrer[size_t(i)]->setReadOnly(true);
        auto* titel = new QLabel(tr(namen[i]), seite);
        felder->addRow(titel, m_txtFahrer[size_t(i)]);
        if (i == 4) {
            titel->setText(QStringLiteral("<u>%1</u>").arg(tr("Bild")));
            titel->setToolTip(tr("Doppelklick zur Bildauswahl"));
            new Doppelklick(titel, [this] { waehleFahrerBild(); });
        }
    }
    m_fahrerBild = new QLabel(seite);
    m_fahrerBild->setFixedSize(160, 120);
    m_fahrerBild->setScaledContents(true);
    m_fahrerBild->setFrameShape(QFrame::StyledPanel);
    const char* const knoepfe[3] = {QT_TRANSLATE_NOOP("diaAuto2Fahrer", "Neu"),
                                    QT_TRANSLATE_NOOP("diaAuto2Fahrer", "Ändern"),
                                    QT_TRANSLATE_NOOP("diaAuto2Fahrer", "Löschen")};
    auto* reihe = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        m_fahrerKnopf[size_t(i)] = new QPushButton(tr(knoepfe[i]), seite);
        reihe->addWidget(m_fahrerKnopf[size_t(i)]);
    }
    connect(m_fahrerKnopf[0], &QPushButton::clicked, this, [this] { bearbeite(Art::Fahrer, true); });
    connect(m_fahrerKnopf[1], &QPushButton::clicked, this,
            [this] { bearbeite(Art::Fahrer, false); });
    connect(m_fahrerKnopf[2], &QPushButton::clicked, this, [this] { frageLoeschen(Art::Fahrer); });
    connect(m_lstFahrer, &QListWidget::currentRowChanged, this, &diaAuto2Fahrer::fahrerGewaehlt);

    auto* rechts = new QVBoxLayout;
    rechts->addLayout(felder);
    rechts->addWidget(m_fahrerBild, 0, Qt::AlignHCenter);
    rechts->addWidget(new QLabel(tr("Autos des Fahrers"), seite));
    rechts->addWidget(m_lstFahrerAutos);
    auto* oben = new QHBoxLayout;
    oben->addWidget(m_lstFahrer, 1);
    oben->addLayout(rechts, 2);
    auto* layout = new QVBoxLayout(seite);
    layout->addLayout(oben, 1);
    layout->addLayout(reihe);
}

void diaAuto2Fahrer::baueAuto(QWidget* seite) {
    const char* const namen[6] = {
        QT_TRANSLATE_NOOP("diaAuto2Fahrer", "Nummer"),   QT_TRANSLATE_NOOP("diaAuto2Fahrer", "Name"),
        QT_TRANSLATE_NOOP("diaAuto2Fahrer", "Bemerkung"), QT_TRANSLATE_NOOP("diaAuto2Fahrer", "Erstellt"),
        QT_TRANSLATE_NOOP("diaAuto2Fahrer", "Bild"),     QT_TRANSLATE_NOOP("diaAuto2Fahrer", "Langname")};
    m_lstAutos = new QListWidget(seite);
    auto* felder = new QFormLayout;
    for (int i : {0, 1, 5, 2, 3, 4}) {
        m_txtAuto[size_t(i)] = new QLineEdit(seite);
        m_txtAuto[size_t(i)]->setReadOnly(true);
        auto* titel = new QLabel(tr(namen[i]), seite);
        felder->addRow(titel, m_txtAuto[size_t(i)]);
        if (i == 4) {
            titel->setText(QStringLiteral("<u>%1</u>").arg(tr("Bild")));
            titel->setToolTip(tr("Doppelklick zur Bildauswahl"));
            new Doppelklick(titel, [this] { waehleAutoBild(); });
        }
    }
    m_autoBild = new QLabel(seite);
    m_autoBild->setFixedSize(160, 120);
    m_autoBild->setScaledContents(true);
    m_autoBild->setFrameShape(QFrame::StyledPanel);
    const char* const knoepfe[3] = {QT_TRANSLATE_NOOP("diaAuto2Fahrer", "Neu"),
                                    QT_TRANSLATE_NOOP("diaAuto2Fahrer", "Ändern"),
                                    QT_TRANSLATE_NOOP("diaAuto2Fahrer", "Löschen")};
    auto* reihe = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        m_autoKnopf[size_t(i)] = new QPushButton(tr(knoepfe[i]), seite);
        reihe->addWidget(m_autoKnopf[size_t(i)]);
    }
    connect(m_autoKnopf[0], &QPushButton::clicked, this, [this] { bearbeite(Art::Auto, true); });
    connect(m_autoKnopf[1], &QPushButton::clicked, this, [this] { bearbeite(Art::Auto, false); });
    connect(m_autoKnopf[2], &QPushButton::clicked, this, [this] { frageLoeschen(Art::Auto); });
    connect(m_lstAutos, &QListWidget::currentRowChanged, this, &diaAuto2Fahrer::autoGewaehlt);

    auto* rechts = new QVBoxLayout;
    rechts->addLayout(felder);
    rechts->addWidget(m_autoBild, 0, Qt::AlignHCenter);
    rechts->addStretch(1);
    auto* oben = new QHBoxLayout;
    oben->addWidget(m_lstAutos, 1);
    oben->addLayout(rechts, 2);
    auto* layout = new QVBoxLayout(seite);
    layout->addLayout(oben, 1);
    layout->addLayout(reihe);
}

void diaAuto2Fahrer::fuelleFahrer() {
    fuelleListe(m_db, m_lstFahrer, QStringLiteral("select name,nummer from fahrer order by name"),
                {});
}

void diaAuto2Fahrer::fuelleAutos() {
    fuelleListe(m_db, m_lstAutos, QStringLiteral("select name,nummer from autos order by name"), {});
}

void diaAuto2Fahrer::fuelleFahrerAutos() {
    // Only cars that still exist: a deleted car's assignment rows stay but are never listed.
    fuelleListe(m_db, m_lstFahrerAutos,
                QStringLiteral("select name,nummer from autos where nummer in "
                               "(select autonr from auto2fahrer where fahrernr=?) order by name"),
                {gewaehlt(m_lstFahrer)});
}

int diaAuto2Fahrer::gewaehlt(QListWidget* liste) const {
    const QListWidgetItem* e = liste->currentItem();
    return e ? e->data(Qt::UserRole).toInt() : 0;
}

bool diaAuto2Fahrer::waehleFahrer(int nummer) { return waehle(m_lstFahrer, nummer); }
bool diaAuto2Fahrer::waehleAuto(int nummer) { return waehle(m_lstAutos, nummer); }

void diaAuto2Fahrer::fahrerGewaehlt() {
    if (m_bearbeitetFahrer) return;
    const int nummer = gewaehlt(m_lstFahrer);
    QSqlQuery q(m_db.db());
    q.prepare(QStringLiteral("select nummer,name,mitglied,erstellt,bildlink,vorname,nachname "
                             "from fahrer where nummer=?"));
    q.addBindValue(nummer);
    const bool da = q.exec() && q.next();
    for (int i = 0; i < 7; ++i)
        m_txtFahrer[size_t(i)]->setText(da ? q.value(i).toString() : QString());
    fuelleFahrerAutos();
    zeigeBild(m_fahrerBild, m_txtFahrer[4]->text());
}

void diaAuto2Fahrer::autoGewaehlt() {
    if (m_bearbeitetAuto) return;
    const int nummer = gewaehlt(m_lstAutos);
    QSqlQuery q(m_db.db());
    q.prepare(QStringLiteral(
        "select nummer,name,bemerkung,erstellt,bildlink,LangName from autos where nummer=?"));
    q.addBindValue(nummer);
    const bool da = q.exec() && q.next();
    for (int i = 0; i < 6; ++i)
        m_txtAuto[size_t(i)]->setText(da ? q.value(i).toString() : QString());
    zeigeBild(m_autoBild, m_txtAuto[4]->text());
}

void diaAuto2Fahrer::zeigeBild(QLabel* ziel, const QString& link) {
    QPixmap bild;
    // A missing file leaves the picture empty, without a message.
    if (!link.isEmpty()) bild.load(m_bilderPfad + QLatin1Char('/') + link);
    ziel->setPixmap(bild);
}

void diaAuto2Fahrer::bearbeite(Art art, bool neu) {
    const bool fahrer = art == Art::Fahrer;
    auto& knoepfe = fahrer ? m_fahrerKnopf : m_autoKnopf;
    bool& bearbeitet = fahrer ? m_bearbeitetFahrer : m_bearbeitetAuto;
    QPushButton* knopf = knoepfe[neu ? 0 : 1];
    QLineEdit* const* felder = fahrer ? m_txtFahrer.data() : m_txtAuto.data();
    const QVector<int> editierbar = fahrer ? QVector<int>{1, 2, 4, 5, 6} : QVector<int>{1, 2, 4, 5};
    if (!bearbeitet) {
        if (!neu && felder[0]->text().isEmpty()) {
            QMessageBox::information(this, windowTitle(),
                                     fahrer ? tr("Bitte zuerst einen Fahrer wählen.")
                                            : tr("Bitte zuerst ein Auto wählen."));
            return;
        }
        if (neu) {
            for (int i = 0; i < (fahrer ? 7 : 6); ++i) felder[i]->clear();
            felder[3]->setText(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
            zeigeBild(fahrer ? m_fahrerBild : m_autoBild, QString());
        }
        for (int i : editierbar) felder[i]->setReadOnly(false);
        bearbeitet = true;
        knopf->setText(tr("Speichern"));
        for (QPushButton* k : knoepfe)
            if (k != knopf) k->setEnabled(false);
        felder[1]->setFocus();
        return;
    }
    if (felder[1]->text().trimmed().isEmpty()) {
        QMessageBox::warning(this, windowTitle(), tr("Bitte einen Namen eingeben."));
        felder[1]->setFocus();
        return;
    }
    if (!(fahrer ? speichereFahrer() : speichereAuto())) return;  // stays in edit mode
    for (int i : editierbar) felder[i]->setReadOnly(true);
    bearbeitet = false;
    knopf->setText(neu ? tr("Neu") : tr("Ändern"));
    for (QPushButton* k : knoepfe) k->setEnabled(true);
}

bool diaAuto2Fahrer::fuehreAus(const QString& sql, const QVariantList& werte) {
    QString text;
    int nr = 0;
    if (m_db.execute(sql, werte, &text, &nr)) return true;
    QMessageBox::warning(this, windowTitle(),
                         tr("Fehler beim Speichern. FehlerNr: %1 Info: %2")
                             .arg(nr)
                             .arg(text));
    return false;
}

bool diaAuto2Fahrer::speichereFahrer() {
    const auto t = [this](int i) { return QVariant(m_txtFahrer[size_t(i)]->text()); };
    int nummer = m_txtFahrer[0]->text().toInt();
    if (m_txtFahrer[0]->text().isEmpty()) {
        if (!fuehreAus(QStringLiteral("insert into fahrer (name,mitglied,bildlink,vorname,"
                                      "nachname,erstellt) values (?,?,?,?,?,?)"),
                       {t(1), t(2), t(4), t(5), t(6), t(3)}))
            return false;
        nummer = m_db.wert(QStringLiteral("select max(nummer) from fahrer")).toInt();
    } else if (!fuehreAus(QStringLiteral("update fahrer set name=?, mitglied=?, Bildlink=?, "
                                         "Vorname=?, Nachname=? where nummer=?"),
                          {t(1), t(2), t(4), t(5), t(6), nummer})) {
        return false;
    }
    m_bearbeitetFahrer = false;
    fuelleFahrer();
    waehleFahrer(nummer);
    fahrerGewaehlt();
    return true;
}

bool diaAuto2Fahrer::speichereAuto() {
    const auto t = [this](int i) { return QVariant(m_txtAuto[size_t(i)]->text()); };
    int nummer = m_txtAuto[0]->text().toInt();
    if (m_txtAuto[0]->text().isEmpty()) {
        if (!fuehreAus(QStringLiteral("insert into autos (name,erstellt,Bemerkung,LangName,"
                                      "bildlink) values (?,?,?,?,?)"),
                       {t(1), t(3), t(2), t(5), t(4)}))
            return false;
        nummer = m_db.wert(QStringLiteral("select max(nummer) from autos")).toInt();
    } else if (!fuehreAus(QStringLiteral("update autos set name=?, Bemerkung=?, Bildlink=?, "
                                         "LangName=? where nummer=?"),
                          {t(1), t(2), t(4), t(5), nummer})) {
        return false;
    }
    m_bearbeitetAuto = false;
    fuelleAutos();
    waehleAuto(nummer);
    autoGewaehlt();
    fuelleFahrerAutos();  // a renamed car shows its new name there too
    return true;
}

void diaAuto2Fahrer::frageLoeschen(Art art) {
    const int nummer = gewaehlt(art == Art::Fahrer ? m_lstFahrer : m_lstAutos);
    if (nummer == 0) return;
    m_loeschArt = art;
    m_loeschNummer = nummer;
    m_lblLoeschen->setText((art == Art::Fahrer ? tr("Soll der Fahrer gelöscht werden?  Nummer %1")
                                               : tr("Soll das Auto gelöscht werden?  Nummer %1"))
                               .arg(nummer));
    m_frameLoeschen->show();
}

void diaAuto2Fahrer::LoeschenBestaetigen() {
    if (!m_frameLoeschen->isVisible() && m_loeschNummer == 0) return;
    m_frameLoeschen->hide();
    // The assignment rows stay; the lists only ever show pairs whose driver and car exist.
    if (m_loeschArt == Art::Fahrer) {
        fuehreAus(QStringLiteral("delete from fahrer where nummer=?"), {m_loeschNummer});
        fuelleFahrer();
        fahrerGewaehlt();
    } else {
        fuehreAus(QStringLiteral("delete from autos where nummer=?"), {m_loeschNummer});
        fuelleAutos();
        autoGewaehlt();
        fuelleFahrerAutos();
    }
    m_loeschNummer = 0;
}

void diaAuto2Fahrer::cmdZuweisen_Click() {
    const int fahrer = gewaehlt(m_lstFahrer), autoNr = gewaehlt(m_lstAutos);
    if (fahrer == 0 || autoNr == 0) {
        QMessageBox::information(this, windowTitle(),
                                 tr("Bitte einen Fahrer und ein Auto wählen."));
        return;
    }
    const QVariant da = m_db.wert(
        QStringLiteral("select autonr from auto2fahrer where fahrernr=? and autonr=?"),
        {fahrer, autoNr});
    if (!da.isValid())
        fuehreAus(QStringLiteral("insert into auto2fahrer (fahrernr,autonr) values(?,?)"),
                  {fahrer, autoNr});
    fuelleFahrerAutos();
}

void diaAuto2Fahrer::cmdAufheben_Click() {
    const int fahrer = gewaehlt(m_lstFahrer), autoNr = gewaehlt(m_lstFahrerAutos);
    if (fahrer == 0 || autoNr == 0) return;
    fuehreAus(QStringLiteral("delete from auto2fahrer where fahrernr=? and autonr=?"),
              {fahrer, autoNr});
    fuelleFahrerAutos();
}

void diaAuto2Fahrer::waehleFahrerBild() { waehleBild(m_txtFahrer[4]); }
void diaAuto2Fahrer::waehleAutoBild() { waehleBild(m_txtAuto[4]); }

void diaAuto2Fahrer::waehleBild(QLineEdit* feld) {
    if (feld->isReadOnly()) {
        QMessageBox::information(
            this, windowTitle(),
            tr("Zuerst \"Neu\" oder \"Ändern\" drücken, dann das Bild wählen."));
        return;
    }
    const QString datei =
        m_dateiWahl(tr("Wähle Bild"), tr("Bilder (*.jpg *.JPG *.jpeg *.JPEG *.png *.PNG)"),
                    m_bilderPfad, feld->text());
    if (datei.isEmpty()) return;  // cancelled: the link stays
    feld->setText(QFileInfo(datei).fileName());
    zeigeBild(feld == m_txtFahrer[4] ? m_fahrerBild : m_autoBild, feld->text());
}
