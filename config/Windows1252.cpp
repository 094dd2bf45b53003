#include "config/Windows1252.h"

#include <QList>

namespace {

// Unicode code points of the bytes 0x80..0x9F; 0 where the code page leaves the byte unused.
constexpr char16_t steuerbereich[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The byte of c, or -1 when the code page lacks it.
int byteVon(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return int(c);
    for (int i = 0; i < 32; ++i)
        if (steuerbereich[i] != 0 && steuerbereich[i] == c) return 0x80 + i;
    return -1;
}

// Letters with no decomposition to a base letter, and a few dashes and primes.
struct Ersatz {
    char32_t zeichen;
    const char* text;
};
constexpr Ersatz ersatzListe[] = {
    {0x0110, "D"},  {0x0111, "d"},  {0x0126, "H"}, {0x0127, "h"}, {0x0131, "i"}, {0x0138, "k"},
    {0x0141, "L"},  {0x0142, "l"},  {0x014A, "N"}, {0x014B, "n"}, {0x0166, "T"}, {0x0167, "t"},
    {0x0180, "b"},  {0x0197, "I"},  {0x019A, "l"}, {0x01B5, "Z"}, {0x01B6, "z"}, {0x0237, "j"},
    {0x1E9E, "SS"}, {0x2010, "-"},  {0x2011, "-"}, {0x2012, "-"}, {0x2015, "-"}, {0x2212, "-"},
    {0x2032, "'"},  {0x2033, "\""}, {0x2044, "/"}, {0x2215, "/"},
};

bool istMarke(char32_t c) {
    const auto k = QChar::category(c);
    return k == QChar::Mark_NonSpacing || k == QChar::Mark_SpacingCombining ||
           k == QChar::Mark_Enclosing;
}

// The nearest spelling of a character the code page lacks: its compatibility decomposition
// without accents, when every part of it is in the code page.
QByteArray ersatz(char32_t c) {
    for (const Ersatz& e : ersatzListe)
        if (e.zeichen == c) return QByteArray(e.text);
    const QString zerlegt = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KD);
    QByteArray text;
    for (char32_t d : zerlegt.toUcs4()) {
        if (istMarke(d)) continue;
        const int b = byteVon(d);
        if (b < 0 || b < 0x20) return QByteArray("?");
        text.append(char(b));
    }
    return text.isEmpty() ? QByteArray("?") : text;
}

}  // namespace

namespace Windows1252 {

QString dekodiere(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char z : bytes) {
        const auto b = quint8(z);
        const char16_t c = b >= 0x80 && b < 0xA0 && steuerbereich[b - 0x80] != 0
                               ? steuerbereich[b - 0x80]
                               : char16_t(b);
        text.append(QChar(c));
    }
    return text;
}

bool istUtf8(const QByteArray& bytes) {
    // Well-formed as RFC 3629 has it: no overlong forms, no surrogates, nothing past U+10FFFF.
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = p[i];
        int folge = 0;
        unsigned char min = 0x80, max = 0xBF;  // range of the first continuation byte
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            folge = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            folge = 2;
            if (c == 0xE0) min = 0xA0;
            if (c == 0xED) max = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            folge = 3;
            if (c == 0xF0) min = 0x90;
            if (c == 0xF4) max = 0x8F;
        } else {
            return false;
        }
        if (i + folge >= n) return false;
        for (int k = 1; k <= folge; ++k) {
            const unsigned char f = p[i + k];
            if (k == 1 ? (f < min || f > max) : (f < 0x80 || f > 0xBF)) return false;
        }
        i += folge + 1;
    }
    return true;
}

QString dekodiereVermutet(const QByteArray& bytes) {
    return istUtf8(bytes) ? QString::fromUtf8(bytes) : dekodiere(bytes);
}

QByteArray kodiere(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (char32_t c : text.toUcs4()) {
        const int b = byteVon(c);
        if (b >= 0)
            bytes.append(char(b));
        else
            bytes.append(ersatz(c));
    }
    return bytes;
}

}  // namespace Windows1252
