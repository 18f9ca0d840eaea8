#include "base/Meldung.h"

#include <QStringList>

#include <cstdio>

namespace mvt {

namespace {
TMeldungsFunktion &Meldungsfunktion()
{
    static TMeldungsFunktion f;
    return f;
}
TFrageFunktion &Fragefunktion()
{
    static TFrageFunktion f;
    return f;
}
} // namespace

void MeldungZeigen(const QString &text)
{
    if (Meldungsfunktion())
        Meldungsfunktion()(text);
    else
        std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

QString Zitat(const QString &text)
{
    if (text.size() <= HoechstZitatlaenge)
        return text;
    qsizetype n = HoechstZitatlaenge;
    if (text[n - 1].isHighSurrogate()) // never half a character
        --n;
    return text.left(n) + QChar(0x2026);
}

bool FrageStellen(const QString &text)
{
    if (Fragefunktion())
        return Fragefunktion()(text);
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    return false;
}

TMeldungsFunktion MeldungsFunktionSetzen(TMeldungsFunktion f)
{
    TMeldungsFunktion alt = Meldungsfunktion();
    Meldungsfunktion() = std::move(f);
    return alt;
}

TFrageFunktion FrageFunktionSetzen(TFrageFunktion f)
{
    TFrageFunktion alt = Fragefunktion();
    Fragefunktion() = std::move(f);
    return alt;
}

MeldungsRekorder::MeldungsRekorder()
{
    m_vorher = MeldungsFunktionSetzen([this](const QString &t) { Meldungen.append(t); });
}

MeldungsRekorder::~MeldungsRekorder()
{
    MeldungsFunktionSetzen(m_vorher);
}

} // namespace mvt
