#include "crafting/ui/BaulistenMenue.h"

#include <QFileDialog>

namespace mvt {

TBaulistenDialoge PlattformBaulistenDialoge()
{
    TBaulistenDialoge d;
    d.Speichern = [](QWidget *eltern, const QString &ordner, const QString &vorschlag,
                     const QString &filter) {
        // QFileDialog asks before overwriting an existing file by default.
        return QFileDialog::getSaveFileName(eltern, QStringLiteral("Bauliste speichern"),
                                            QDir(ordner).filePath(vorschlag), filter);
    };
    d.Oeffnen = [](QWidget *eltern, const QString &ordner, const QString &filter) {
        // getOpenFileName accepts only existing files.
        return QFileDialog::getOpenFileName(eltern, QStringLiteral("Bauliste laden"), ordner, filter);
    };
    return d;
}

bool BaulisteSpeichernMitDialog(const TBaulistenDateiAufruf &aufruf, const TKatalog &k, const TBauliste &b)
{
    if (!aufruf.Dialoge || !aufruf.Dialoge->Speichern)
        return false;
    const QString gewaehlt =
        aufruf.Dialoge->Speichern(aufruf.Eltern, aufruf.Ordner, aufruf.Vorschlag, aufruf.Filter);
    return BaulisteUnterGewaehltemNamenSpeichern(k, b, gewaehlt);
}

bool BaulisteLadenMitDialog(const TBaulistenDateiAufruf &aufruf, const TKatalog &k, TBauliste &b,
                            TLadeArt art)
{
    if (!aufruf.Dialoge || !aufruf.Dialoge->Oeffnen)
        return false;
    const QString pfad = aufruf.Dialoge->Oeffnen(aufruf.Eltern, aufruf.Ordner, aufruf.Filter);
    if (pfad.isEmpty())
        return false;
    return BaulisteLaden(k, b, pfad, art);
}

} // namespace mvt
