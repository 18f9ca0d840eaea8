#include "catalogue/Meldung.h"

#include <QDateTime>
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

MeldungsRekorder::~MeldungsRekorder() { MeldungsFunktionSetzen(m_vorher); }

double JetztAlsTageszahl()
{
    const QDateTime jetzt = QDateTime::currentDateTime();
    const QDate basis(1899, 12, 30);
    const qint64 tage = basis.daysTo(jetzt.date());
    const double bruchteil = jetzt.time().msecsSinceStartOfDay() / 86400000.0;
    return static_cast<double>(tage) + bruchteil;
}

} // namespace mvt
