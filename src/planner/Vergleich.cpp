#include "planner/Vergleich.h"

#include "base/Zahlen.h"
#include "planner/WasWaereWenn.h"

#include <QRegularExpression>

namespace mvt::planer {

namespace {

struct TZahlen {
    QString Gerippe; // the text with every number replaced by "#"
    std::vector<double> Werte;
    std::vector<int> Stellen; // decimals of each number
    std::vector<bool> Komma;  // written with a decimal comma
};

TZahlen Zerlegen(const QString &text)
{
    // A minus belongs to a number only when it stands right before the digits ("-1"), not
    // as the dash of a range ("8 - 12").
    static const QRegularExpression zahl(QStringLiteral("(?<![\\d])-?\\d+(?:[.,]\\d+)?"));
    TZahlen z;
    qsizetype pos = 0;
    auto it = zahl.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        z.Gerippe += text.mid(pos, m.capturedStart() - pos) + u'#';
        pos = m.capturedEnd();
        QString t = m.captured();
        const qsizetype trenner = t.indexOf(QRegularExpression(QStringLiteral("[.,]")));
        z.Stellen.push_back(trenner < 0 ? 0 : static_cast<int>(t.size() - trenner - 1));
        z.Komma.push_back(t.contains(u','));
        z.Werte.push_back(t.replace(u',', u'.').toDouble());
    }
    z.Gerippe += text.mid(pos);
    return z;
}

// The words of a text are the caption's business; the difference keeps numbers, signs,
// units like "%" and the brackets that group them: "schnell (+1 Angriffe)" -> "+1",
// "10.40 % (27 % Schaden)" -> "... (+1 %)".
QString OhneWoerter(QString t)
{
    static const QRegularExpression wort(QStringLiteral("\\p{L}+"));
    static const QRegularExpression leer(QStringLiteral("\\s+"));
    t.remove(wort);
    t.replace(QStringLiteral("( "), QStringLiteral("(")).replace(QStringLiteral(" )"), QStringLiteral(")"));
    t = t.replace(leer, QStringLiteral(" ")).trimmed();
    t.replace(QStringLiteral(" )"), QStringLiteral(")"));
    t.remove(QStringLiteral("()"));
    t = t.trimmed();
    // A lone bracketed number needs no brackets.
    if (t.startsWith(u'(') && t.endsWith(u')') && t.count(u'(') == 1)
        t = t.mid(1, t.size() - 2);
    return t;
}

QString Differenz(double d, int stellen, bool komma)
{
    QString t = MitVorzeichen(d, stellen);
    if (komma)
        t.replace(u'.', u',');
    return t;
}

int Richtung(double d, bool hoeherBesser)
{
    if (d == 0.0)
        return 0;
    return (d > 0.0) == hoeherBesser ? 1 : -1;
}

TSpaltenVergleich SpalteVergleichen(const TKampfspalte &a, const TKampfspalte &b)
{
    TSpaltenVergleich v;
    if (!a.Sichtbar || !b.Sichtbar)
        return v;
    // "keine" is an encumbrance of 0 %.
    auto beh = [](const QString &t) { return t == QLatin1String("keine") ? QStringLiteral("0 %") : t; };
    v.Ruestschutz = TextVergleich(a.Ruestschutz, b.Ruestschutz, true);
    v.Absorb = TextVergleich(a.Absorb, b.Absorb, true);
    v.Ausweichen = TextVergleich(a.Ausweichen, b.Ausweichen, true);
    v.Behinderung = TextVergleich(beh(a.Behinderung), beh(b.Behinderung), false);
    if (a.SchildblockSichtbar && b.SchildblockSichtbar)
        v.Schildblock = TextVergleich(a.Schildblock, b.Schildblock, true);
    for (size_t i = 0; i < 2 && i < a.Waffen.size() && i < b.Waffen.size(); ++i) {
        const TWaffenzeile &x = a.Waffen[i];
        const TWaffenzeile &y = b.Waffen[i];
        v.Waffen[i] = {TextVergleich(x.Schaden, y.Schaden, true), TextVergleich(x.Tempo, y.Tempo, true),
                       TextVergleich(x.Treffsicherheit, y.Treffsicherheit, true),
                       TextVergleich(x.KritischeTreffer, y.KritischeTreffer, true)};
    }
    return v;
}

std::array<TVergleichswert, 8> ZeilenVergleichen(const std::vector<TBewertungsZeile> &a,
                                                 const std::vector<TBewertungsZeile> &b,
                                                 const std::array<bool, 8> &hoeherBesser)
{
    std::array<TVergleichswert, 8> v{};
    for (size_t i = 0; i < v.size() && i < a.size() && i < b.size(); ++i) {
        // Damage and healing rows are not compared with each other.
        if (!a[i].Sichtbar || !b[i].Sichtbar || a[i].Beschriftung != b[i].Beschriftung)
            continue;
        v[i] = TextVergleich(a[i].Wert, b[i].Wert, hoeherBesser[i]);
    }
    return v;
}

} // namespace

TVergleichswert TextVergleich(const QString &aktuell, const QString &basis, bool hoeherBesser)
{
    const TZahlen a = Zerlegen(aktuell);
    const TZahlen b = Zerlegen(basis);
    if (!a.Werte.empty() && a.Gerippe == b.Gerippe && a.Werte.size() == b.Werte.size()) {
        TVergleichswert v;
        QStringList teile = a.Gerippe.split(u'#');
        v.Text = teile[0];
        for (size_t i = 0; i < a.Werte.size(); ++i) {
            const double d = a.Werte[i] - b.Werte[i];
            v.Text += Differenz(d, a.Stellen[i], a.Komma[i]) + teile[static_cast<qsizetype>(i) + 1];
            if (v.Richtung == 0)
                v.Richtung = Richtung(d, hoeherBesser);
        }
        v.Text = OhneWoerter(v.Text);
        return v;
    }
    if (a.Werte.size() == 1 && b.Werte.size() == 1) {
        const double d = a.Werte[0] - b.Werte[0];
        return {Differenz(d, a.Stellen[0], a.Komma[0]), Richtung(d, hoeherBesser)};
    }
    if (aktuell == basis || basis.isEmpty())
        return {};
    return {QStringLiteral("Basis: ") + basis, 0};
}

TVergleich VergleichBerechnen(const TPlaner &aktuell, const TPlaner &basis)
{
    TVergleich v;
    v.Nahkampf = SpalteVergleichen(aktuell.Anzeige.Nahkampf, basis.Anzeige.Nahkampf);
    v.Fernkampf = SpalteVergleichen(aktuell.Anzeige.Fernkampf, basis.Anzeige.Fernkampf);
    // Page order: possible, possible critical, per attack, per hit, per round, lost,
    // effectiveness or toughness, rounds.
    if (aktuell.Bewertung.Offensive.Berechnet && basis.Bewertung.Offensive.Berechnet)
        v.Offensive = ZeilenVergleichen(aktuell.Bewertung.Offensive.Zeilen, basis.Bewertung.Offensive.Zeilen,
                                        {true, true, true, true, true, false, true, false});
    // On the Defensive page the first five rows are the opponent's damage.
    v.Defensive = ZeilenVergleichen(aktuell.Bewertung.Defensive.Zeilen, basis.Bewertung.Defensive.Zeilen,
                                    {false, false, false, false, false, true, true, true});
    return v;
}

void BasisAngleichen(TPlaner &basis, const TPlaner &aktuell)
{
    basis.UntergrenzenGeaendert = nullptr;
    basis.Optionen = aktuell.Optionen;
    basis.Gegner = aktuell.Gegner;
    Aktualisieren(basis);
    AnsichtWaehlen(basis, aktuell.Ansicht);
}

} // namespace mvt::planer
