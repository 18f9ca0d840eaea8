// Saved tours: the file "touren.mvt_bl" beside options.ini, with the header of the build
// list files (Windows-1252, CR LF), one tour per line:
//   WELT;fest|schnellste;0|1;AUFTRÄGE;X,Y X,Y ...;NAME
// The name comes last so that it may hold any character. Lines the program cannot read
// are kept as they stand and written back, so that nothing of a hand-edited file is lost.
#pragma once

#include "routes/Wegpunktliste.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace mvt::routen {

inline const QString TourenDateiname = QStringLiteral("touren.mvt_bl");
constexpr int MaxTourNamenslaenge = 36;

struct TGespeicherteTour {
    QString Name;
    int Welt = 1;
    bool Schnellste = false;
    bool Rueckkehr = false;
    int Auftraege = 10;
    std::vector<Wegpunkt> Stationen; // as entered; the tour is planned again when loaded
    friend bool operator==(const TGespeicherteTour &, const TGespeicherteTour &) = default;
};

struct TTourdatei {
    std::vector<TGespeicherteTour> Touren;
    QStringList Unbekannt; // lines that are no tour, in file order
    // The tours of one world, in file order.
    std::vector<TGespeicherteTour> Welt(int welt) const;
    // Stores a tour; one of the same world and name is replaced in its place.
    void Setzen(const TGespeicherteTour &t);
    // Removes the tour of that world and name; false when there is none.
    bool Entfernen(int welt, const QString &name);
};

// One line, or nothing when it is no valid tour (world 1..3, stops on that world's map,
// 2 to 12 of them, orders 1..100, a name of 1 to 36 characters).
std::optional<TGespeicherteTour> TourzeileLesen(const QString &zeile);
QString TourzeileSchreiben(const TGespeicherteTour &t);

// The file's lines (header included) to tours; lines 1 to 3 are not interpreted.
TTourdatei TourdateiLesen(const QStringList &zeilen);
QStringList TourdateiZeilen(const TTourdatei &d);

// A missing file is an empty one; nothing with a German reason when it cannot be read.
std::optional<TTourdatei> TourdateiLaden(const QString &pfad, QString *fehler = nullptr);
bool TourdateiSpeichern(const QString &pfad, const TTourdatei &d, QString *fehler = nullptr);

} // namespace mvt::routen
