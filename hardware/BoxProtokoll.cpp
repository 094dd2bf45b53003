#include "hardware/BoxProtokoll.h"

namespace {

BoxEreignis verworfen(const QString& text) {
    BoxEreignis e;
    e.art = BoxEreignis::Art::Verworfen;
    e.text = text;
    return e;
}

// Hex digits, most significant first; false on any other character or above 31 bits.
bool leseHex(const QByteArray& text, qint64& wert) {
    wert = 0;
    for (char c : text) {
        int ziffer;
        if (c >= '0' && c <= '9')
            ziffer = c - '0';
        else if (c >= 'A' && c <= 'F')
            ziffer = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            ziffer = c - 'a' + 10;
        else
            return false;
        wert = wert * 16 + ziffer;
        if (wert > 0x7FFFFFFF) return false;
    }
    return true;
}

// The digit right after the key, or -1.
int zifferNach(const QByteArray& meldung, const char* schluessel) {
    const qsizetype i = meldung.indexOf(schluessel);
    if (i < 0) return -1;
    const qsizetype p = i + qsizetype(qstrlen(schluessel));
    if (p >= meldung.size() || meldung[p] < '0' || meldung[p] > '9') return -1;
    return meldung[p] - '0';
}

}  // namespace

std::vector<BoxEreignis> BoxProtokoll::fuettere(const QByteArray& daten) {
    std::vector<BoxEreignis> aus;
    m_puffer.append(daten);
    qsizetype anfang = 0;
    for (qsizetype ende; (ende = m_puffer.indexOf(';', anfang)) >= 0; anfang = ende + 1) {
        const size_t vorher = aus.size();
        werteAus(m_puffer.mid(anfang, ende + 1 - anfang), aus);
        bool gueltig = false;
        for (size_t i = vorher; i < aus.size(); ++i)
            gueltig = gueltig || aus[i].art != BoxEreignis::Art::Verworfen;
        if (!gueltig) m_verworfen += quint64(ende + 1 - anfang);
    }
    m_puffer.remove(0, anfang);
    if (m_puffer.size() > maxPuffer) {
        m_verworfen += quint64(m_puffer.size());
        aus.push_back(
            verworfen(QStringLiteral("Box: %1 Zeichen ohne ';' verworfen").arg(m_puffer.size())));
        m_puffer.clear();
    }
    return aus;
}

void BoxProtokoll::werteAus(const QByteArray& meldung, std::vector<BoxEreignis>& aus) {
    const QString roh = QString::fromLatin1(meldung).trimmed();
    const qsizetype s = meldung.indexOf('S');
    const bool istRunde = s >= 0;
    const bool istHerz = meldung.contains("H:");
    if (istRunde) {
        // Lane digit right after the S, one separating character, then the hex time up to ';'.
        const int bahn = s + 1 < meldung.size() ? meldung[s + 1] - '0' : -1;
        const qsizetype hexAnfang = s + 3;
        const QByteArray hex = hexAnfang < meldung.size() - 1
                                   ? meldung.mid(hexAnfang, meldung.size() - 1 - hexAnfang)
                                   : QByteArray();
        qint64 zeit = 0;
        if (!leseHex(hex, zeit))
            aus.push_back(verworfen(QStringLiteral("Box: Rundenzeit ungültig: ") + roh));
        else if (zeit >= 1 && (bahn < 1 || bahn > 6))
            aus.push_back(verworfen(QStringLiteral("Box: Runde auf Bahn %1 verworfen, es gibt "
                                                   "nur die Bahnen 1..6: ")
                                        .arg(bahn) +
                                    roh));
        else if (zeit >= 1) {
            BoxEreignis e;
            e.art = BoxEreignis::Art::Runde;
            e.bahn = bahn;
            e.zeit = qint32(zeit);
            aus.push_back(e);
        }
    }
    if (meldung.contains("OK;")) {
        BoxEreignis e;
        e.art = BoxEreignis::Art::Ok;
        aus.push_back(e);
    }
    if (istHerz) {
        BoxEreignis e;
        e.art = BoxEreignis::Art::Herzschlag;
        aus.push_back(e);
    }
    if (!istRunde && !istHerz) {
        const qsizetype c = meldung.indexOf('C');
        if (c >= 0 && c + 1 < meldung.size() && (meldung[c + 1] == '0' || meldung[c + 1] == '1')) {
            BoxEreignis e;
            e.art = BoxEreignis::Art::Chaos;
            e.wert = meldung[c + 1] - '0';
            aus.push_back(e);
        }
    }
    if (const int in = zifferNach(meldung, "IN="); in >= 0) {
        BoxEreignis e;
        e.art = BoxEreignis::Art::Eingaenge;
        e.wert = in;
        aus.push_back(e);
    }
    if (const int br = zifferNach(meldung, "BR="); br >= 0) {
        BoxEreignis e;
        e.art = BoxEreignis::Art::Relais;
        e.wert = br;
        aus.push_back(e);
    }
}

QByteArray BoxProtokoll::befehlSchalten(const QString& wert, int anAus) {
    QByteArray code;
    if (wert == QLatin1String("BahnAlle"))
        code = "b0";
    else if (wert == QLatin1String("AmpelAlle"))
        code = "a0";
    else if (wert.size() == 5 && wert.startsWith(QLatin1String("Bahn")) && wert[4] >= u'1' &&
             wert[4] <= u'6')
        code = "b" + wert.right(1).toLatin1();
    else if (wert.size() == 6 && wert.startsWith(QLatin1String("Ampel")) && wert[5] >= u'1' &&
             wert[5] <= u'5')
        code = "a" + wert.right(1).toLatin1();
    else
        return {};
    return code + QByteArray::number(anAus) + ';';
}
