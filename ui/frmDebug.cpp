#include "ui/frmDebug.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/DebugLog.h"

frmDebug::frmDebug(const QString& ltfPfad, QWidget* parent)
    : QWidget(parent, Qt::Window), m_ltfPfad(ltfPfad) {
    setWindowTitle(tr("Debug Infos"));
    resize(520, 420);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setUniformItemSizes(true);  // up to ten thousand lines must stay quick
    cmdClearLog = new QPushButton(tr("Clear Log"), this);
    cmdClearLog->setObjectName(QStringLiteral("cmdClearLog"));
    cmdSchreibeLog = new QPushButton(tr("Schreibe pistorelle.log"), this);
    cmdSchreibeLog->setObjectName(QStringLiteral("cmdSchreibeLog"));

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(cmdClearLog);
    knoepfe->addWidget(cmdSchreibeLog);
    knoepfe->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(List1);
    layout->addLayout(knoepfe);

    DebugLog& log = DebugLog::instanz();
    List1->addItems(log.zeilen());
    connect(&log, &DebugLog::zeileNeu, this, &frmDebug::neueZeile);
    connect(&log, &DebugLog::geleert, List1, &QListWidget::clear);
    connect(cmdClearLog, &QPushButton::clicked, this, &frmDebug::ClearLog);
    connect(cmdSchreibeLog, &QPushButton::clicked, this, &frmDebug::SchreibeLog);
}

void frmDebug::neueZeile(const QString& zeile) {
    List1->insertItem(0, zeile);
    while (List1->count() > DebugLog::maxZeilen) delete List1->takeItem(List1->count() - 1);
}

void frmDebug::ClearLog() { DebugLog::instanz().leeren(); }

bool frmDebug::SchreibeLog() {
    QString fehler;
    if (DebugLog::instanz().speichere(m_ltfPfad, &fehler)) return true;
    zeigeFehler(fehler);
    return false;
}

void frmDebug::zeigeFehler(const QString& text) {
    QMessageBox::critical(this, windowTitle(), text);
}

void frmDebug::closeEvent(QCloseEvent* ereignis) {
    DebugLog::instanz().setAktiv(false);
    QWidget::closeEvent(ereignis);
}
