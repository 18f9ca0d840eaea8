// The build list commands of the main window's "Datei" menu: the platform's file dialogs
// around saving and loading build list files.
#pragma once

#include "crafting/BaulistenDatei.h"

#include <QString>

#include <functional>

class QWidget;

namespace mvt {

// The two file dialogs; each returns the chosen path, or an empty text when cancelled.
// Tests replace them.
struct TBaulistenDialoge {
    std::function<QString(QWidget *eltern, const QString &ordner, const QString &vorschlag,
                          const QString &filter)>
        Speichern;
    std::function<QString(QWidget *eltern, const QString &ordner, const QString &filter)> Oeffnen;
};
// The platform's dialogs: saving asks before overwriting, opening accepts only existing files.
TBaulistenDialoge PlattformBaulistenDialoge();

struct TBaulistenDateiAufruf {
    QWidget *Eltern = nullptr;
    const TBaulistenDialoge *Dialoge = nullptr;
    QString Ordner;    // where both dialogs start
    QString Vorschlag; // the name the save dialog proposes
    QString Filter;
};

// "Bauliste speichern...": true when a file was written.
bool BaulisteSpeichernMitDialog(const TBaulistenDateiAufruf &aufruf, const TKatalog &k, const TBauliste &b);
// "Bauliste laden (ersetzen)..." and "(einfügen)...": true when the list was loaded; the
// caller then shows the list again and recomputes. A file that is not loaded changes nothing.
bool BaulisteLadenMitDialog(const TBaulistenDateiAufruf &aufruf, const TKatalog &k, TBauliste &b,
                            TLadeArt art);

} // namespace mvt
