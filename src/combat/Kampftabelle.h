// What the combat statistics tab shows, as texts: the table rows and their sorting, the
// detail values of one fighter and the rows of a weapon panel. The tab only places them.
#pragma once

#include "combat/Kaempfer.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace mvt {

struct TKatalog;

constexpr int KampftabelleSpalten = 13;

// "78.00 %"; empty for -1 (no data).
QString ProzentText(double rate);
// "49.5"; empty for -1 (no data).
QString EineNachkommastelle(double x);

// The 13 cell texts of one fighter.
QStringList TabellenZeile(const TKaempfer &k);
// One of them, made when asked for: the tab's table keeps no texts.
QString TabellenZelle(const TKaempfer &k, int spalte);

// The order of n rows sorted by one column, from each row's text in that column (read
// once per row). zustand 1: names ascending, numbers descending; zustand 2 the other way.
// Equal keys keep their order.
std::vector<size_t> SortierteReihenfolge(size_t n, const std::function<QString(size_t)> &zelle, int spalte,
                                         int zustand);
// Sorts the rows by one column, as above.
void ZeilenSortieren(std::vector<QStringList> &zeilen, int spalte, int zustand);

QString Genauigkeitswort(int32_t wertepaare);
QString Geschwindigkeitswort(int32_t sekundenProSchritt);
QString Angriffstempowort(int32_t sekunden);

// One value label of the detail view, by its objectName; its caption label is the same
// name followed by "X".
struct TDetailwert {
    QString Label;
    QString Text;
    bool Grau = false;
};
std::vector<TDetailwert> DetailWerte(const TKaempfer &k);

// One row of a weapon panel.
struct TWaffenzeile {
    QString Beschriftung;
    QString Hinweis;
    QString Wert;
    bool Grau = false;
};
std::vector<TWaffenzeile> WaffenZeilen(const TEinzelWaffe &w, const TKatalog &katalog);

} // namespace mvt
