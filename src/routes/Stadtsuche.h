// Finding a town of a world by a part of its name or of its owner's name, as the route
// tab's search field and `morvaren-cli staedte` do.
#pragma once

#include "routes/Welten.h"

#include <QString>

#include <vector>

namespace mvt::routen {

struct TStadt {
    QString Name;     // "Eleorath (Hauptstadt)" for a capital, as the town text gives it
    QString Besitzer; // empty for a capital
    int x = 0;
    int y = 0;
};

// "Name: Tarnheim, Besitzer: [Olaf]" -> Tarnheim, Olaf; "Name: Eleorath (Hauptstadt)" ->
// "Eleorath (Hauptstadt)" without owner. A text of another form is the name as it stands.
TStadt StadttextZerlegen(const QString &text);

// The form in which texts are compared: lower case, ä ö ü ß written as ae oe ue ss, so
// that a player who types "Baer" or "bär" finds "Bärenfels".
QString Suchform(const QString &text);

// Every town of the world's town grid (the one the map window's hint reads), ordered by
// name, then x, then y.
std::vector<TStadt> StaedteDerWelt(const TWeltgitter &welt, int kartengroesse);

// The towns whose name or owner contains the search text (blanks around it are ignored;
// an empty text matches every town), in the order given.
std::vector<TStadt> StaedteSuchen(const std::vector<TStadt> &staedte, const QString &suchtext);

// The line of the completion list: "Tarnheim [Olaf] - 57:12" or "Eleorath (Hauptstadt) - 100:100".
QString StadtEintrag(const TStadt &s);

} // namespace mvt::routen
