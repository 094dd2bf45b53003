#include "ui/ErgebnisAushang.h"

#include "engine/Hauptanzeige.h"
#include "engine/Nachlauf.h"
#include "engine/Rennablauf.h"
#include "ui/frmErgebnis.h"

using H = Hauptanzeige;

ErgebnisAushang::ErgebnisAushang(QWidget& hauptfenster, Rennablauf& ablauf, Hauptanzeige& anzeige)
    : QObject(&hauptfenster), m_haupt(hauptfenster), m_ablauf(ablauf) {
    connect(&anzeige, &H::ergebnisAnfordern, this, &ErgebnisAushang::zeige);
    connect(&anzeige, &H::geaendert, this, [this](H::Element e) {
        if (e == H::Command2 && m_ablauf.laufAn() && m_fenster) m_fenster->hide();
    });
}

bool ErgebnisAushang::hatErgebnis() const { return !m_ablauf.nachlauf().letztesErgebnis().leer(); }

void ErgebnisAushang::zeige() {
    if (!hatErgebnis()) return;
    const bool neu = !m_fenster;
    if (neu) m_fenster = new frmErgebnis(&m_haupt);
    m_fenster->zeige(m_ablauf.nachlauf().letztesErgebnis());
    if (neu) {
        const QRect haupt = m_haupt.frameGeometry();
        m_fenster->move(haupt.center() - m_fenster->rect().center());
    }
}
