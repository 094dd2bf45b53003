#include "engine/RundenPuffer.h"

void RundenPuffer::schreibe(const Eintrag& eintrag) {
    // Reuse the storage once everything has been taken, so a long race does not grow it.
    if (m_kopf > 0 && m_kopf == m_eintraege.size()) leeren();
    m_eintraege.push_back(eintrag);
}

RundenPuffer::Eintrag RundenPuffer::nimm() {
    const Eintrag e = m_eintraege[m_kopf++];
    if (m_kopf == m_eintraege.size()) leeren();
    return e;
}

void RundenPuffer::leeren() {
    m_eintraege.clear();
    m_kopf = 0;
}
