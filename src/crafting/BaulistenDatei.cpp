#include "crafting/BaulistenDatei.h"

#include "base/Meldung.h"
#include "base/Textdatei.h"
#include "base/Zahlen.h"
#include "base/Optionen.h"

#include <QFileInfo>

#include <cmath>

namespace mvt {

namespace {

const QString Programmname = QStringLiteral("Hadrik's Morvaren Tool");

bool IstZweiwortName(const QString &erstes, const QString &zweites)
{
    static const std::array<std::pair<const char16_t *, const char16_t *>, 5> namen = {{
        {u"Improvisierte", u"Leinenbinde"},
        {u"Einfacher", u"Wollverband"},
        {u"Gute", u"Baumwollbinde"},
        {u"Heilsamer", u"Seidenverband"},
        {u"Magische", u"Ätherbinde"},
    }};
    for (const auto &[a, b] : namen)
        if (erstes == QStringView(a) && zweites == QStringView(b))
            return true;
    return false;
}

// Splits "value rest" at the first blank.
void WertAbtrennen(const QString &text, QString &wert, QString &rest)
{
    const qsizetype blank = text.indexOf(u' ');
    if (blank < 0) {
        wert = text;
        rest.clear();
    } else {
        wert = text.left(blank);
        rest = text.mid(blank + 1);
    }
}

QString Einrahmen(QString text, const std::array<bool, 3> &stil)
{
    if (stil[0])
        text = QStringLiteral("[b]") + text + QStringLiteral("[/b]");
    if (stil[1])
        text = QStringLiteral("[u]") + text + QStringLiteral("[/u]");
    if (stil[2])
        text = QStringLiteral("[i]") + text + QStringLiteral("[/i]");
    return text;
}

} // namespace

TNamensZeile NamensZeileTeilen(const QString &zeile)
{
    TNamensZeile t;
    qsizetype i = 0;
    const qsizetype n = zeile.size();
    for (; i < n; ++i) {
        if (zeile[i] != u' ')
            continue;
        const QChar danach = i + 1 < n ? zeile[i + 1] : QChar();
        if (danach != u'I' && danach != u'V' && danach != u'[')
            break;
    }
    t.Name = zeile.left(i);
    WertAbtrennen(i < n ? zeile.mid(i + 1) : QString(), t.Wert1, t.Wert2);
    if (IstZweiwortName(t.Name, t.Wert1)) {
        t.Name += u' ' + t.Wert1;
        const QString rest = t.Wert2;
        WertAbtrennen(rest, t.Wert1, t.Wert2);
    }
    return t;
}

QString BaulistenEndungErzwingen(const QString &pfad)
{
    const qsizetype trenner = std::max(pfad.lastIndexOf(u'/'), pfad.lastIndexOf(u'\\'));
    QString ergebnis = pfad;
    const qsizetype punkt = ergebnis.lastIndexOf(u'.');
    if (punkt > trenner)
        ergebnis.truncate(punkt);
    return ergebnis + BaulistenEndung;
}

QStringList BaulistenDateiZeilen(const TKatalog &k, const TBauliste &b)
{
    QStringList zeilen{Programmname, Programmversion, QString()};
    for (const TBaulistenKnoten &e : b.Eintraege)
        zeilen.append(KnotenName(k, e.Art, e.Index) + u' ' + ZahlAllgemein(e.Menge));
    return zeilen;
}

bool BaulisteSpeichern(const TKatalog &k, const TBauliste &b, const QString &pfad)
{
    QString fehler;
    if (!TextdateiSchreiben(pfad, BaulistenDateiZeilen(k, b), &fehler)) {
        MeldungZeigen(QStringLiteral("Fehler: Die Bauliste konnte nicht gespeichert werden. ") + fehler);
        return false;
    }
    return true;
}

bool BaulisteUnterGewaehltemNamenSpeichern(const TKatalog &k, const TBauliste &b, const QString &gewaehlt)
{
    if (gewaehlt.isEmpty())
        return false;
    const QString pfad = BaulistenEndungErzwingen(gewaehlt);
    if (pfad != gewaehlt && QFileInfo::exists(pfad) &&
        !FrageStellen(
            QStringLiteral("Die Datei \"%1\" existiert bereits. Soll sie ersetzt werden?").arg(pfad)))
        return false;
    return BaulisteSpeichern(k, b, pfad);
}

std::optional<std::vector<TBaulistenDateiEintrag>>
BaulistenDateiLesen(const TKatalog &k, const QStringList &zeilen, QString *fehler)
{
    std::vector<TBaulistenDateiEintrag> eintraege;
    auto ungueltig = [&](qsizetype nr,
                         const QString &grund) -> std::optional<std::vector<TBaulistenDateiEintrag>> {
        if (fehler)
            *fehler = QStringLiteral("Zeile %1: %2").arg(nr + 1).arg(grund);
        return std::nullopt;
    };
    // The three header lines are not interpreted.
    for (qsizetype nr = 3; nr < zeilen.size(); ++nr) {
        const QString &zeile = zeilen[nr];
        if (zeile.trimmed().isEmpty())
            continue;
        const TNamensZeile teile = NamensZeileTeilen(zeile);
        const TItemRef ref = ItemSuchen(k, teile.Name);
        const uint8_t art = KnotenartAusTabellencode(ref.Tabellencode);
        if (art == ArtKeine)
            return ungueltig(nr,
                             QStringLiteral("\"%1\" ist kein bekannter Gegenstand.").arg(Zitat(teile.Name)));
        const std::optional<double> menge = KommazahlLesen(teile.Wert1);
        if (!menge)
            return ungueltig(nr, QStringLiteral("\"%1\" ist keine gültige Menge.").arg(Zitat(teile.Wert1)));
        if (!(*menge > 0.0))
            return ungueltig(nr,
                             QStringLiteral("Die Menge %1 ist nicht größer als 0.").arg(Zitat(teile.Wert1)));
        eintraege.push_back({art, ref.Index, std::min(*menge, BaulistenHoechstmenge)});
    }
    return eintraege;
}

void BaulistenEintraegeUebernehmen(const TKatalog &k, TBauliste &b,
                                   const std::vector<TBaulistenDateiEintrag> &eintraege, TLadeArt art)
{
    if (art == TLadeArt::Ersetzen)
        b.Leeren();
    for (const TBaulistenDateiEintrag &e : eintraege) {
        if (EintragSuchen(b, e.Art, e.Index)) {
            TBaulistenKnoten &vorhanden = b.Eintraege[static_cast<size_t>(b.Aktuell)];
            MengeSetzen(k, vorhanden, std::min(vorhanden.Menge + e.Menge, BaulistenHoechstmenge));
        } else {
            // New entries go to the end of the list, not behind an entry found before.
            b.Aktuell = b.Anzahl() - 1;
            EintragAnhaengen(k, b, e.Art, e.Index, e.Menge);
        }
    }
    b.Aktuell = b.Anzahl() - 1;
}

bool BaulisteLaden(const TKatalog &k, TBauliste &b, const QString &pfad, TLadeArt art)
{
    QString fehler;
    const std::optional<QByteArray> bytes = DateiLesen(pfad, &fehler);
    if (!bytes) {
        MeldungZeigen(fehler);
        return false;
    }
    // A hand-edited file may have been saved as UTF-8.
    const auto eintraege = BaulistenDateiLesen(k, ZeilenTrennen(TextDekodieren(*bytes)), &fehler);
    if (!eintraege) {
        MeldungZeigen(
            QStringLiteral("Fehler: Die Bauliste \"%1\" ist ungültig (%2) Die Bauliste bleibt unverändert.")
                .arg(pfad, fehler));
        return false;
    }
    BaulistenEintraegeUebernehmen(k, b, *eintraege, art);
    return true;
}

TExportStil StandardExportStil()
{
    TExportStil s{};
    s[1] = {true, true, false};
    s[2] = {true, false, true};
    s[3] = {false, true, false};
    s[4] = {false, false, true};
    return s;
}

QStringList ForumZeilen(const TKatalog &k, const TBauliste &b, const TExportStil &stil)
{
    static const std::array<QString, 5> praefix = {QString(), QString(), QStringLiteral("|...."),
                                                   QStringLiteral("|..........."),
                                                   QStringLiteral("|.................")};
    QStringList zeilen;
    auto zeile = [&](const TBaulistenKnoten &n, int ebene) {
        zeilen.append(praefix[static_cast<size_t>(ebene)] +
                      Einrahmen(KnotenText(k, n), stil[static_cast<size_t>(ebene)]));
    };
    for (const TBaulistenKnoten &e : b.Eintraege) {
        zeile(e, 1);
        if (KinderSichtbar(e)) {
            for (const TBaulistenKnoten &k2 : e.Kinder) {
                zeile(k2, 2);
                if (!KinderSichtbar(k2))
                    continue;
                for (const TBaulistenKnoten &k3 : k2.Kinder) {
                    zeile(k3, 3);
                    if (!KinderSichtbar(k3))
                        continue;
                    for (const TBaulistenKnoten &k4 : k3.Kinder)
                        zeile(k4, 4);
                }
            }
        }
        zeilen.append(QString());
    }
    return zeilen;
}

QString ForumText(const TKatalog &k, const TBauliste &b, const TExportStil &stil)
{
    return ForumZeilen(k, b, stil).join(u'\n');
}

} // namespace mvt
