// The program's one message function. The model reports errors through it; the main
// window installs a message box, the command-line tool standard error, and tests a
// recorder, so that no message ever blocks a test.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace mvt {

using TMeldungsFunktion = std::function<void(const QString &text)>;
using TFrageFunktion = std::function<bool(const QString &text)>;

void MeldungZeigen(const QString &text);

// A piece of outside input quoted in a message: its first 200 characters, "…" after a cut.
// A message box lays out a name of 300 kB for seconds.
inline constexpr qsizetype HoechstZitatlaenge = 200;
QString Zitat(const QString &text);
// Yes/No question; true for "Ja".
bool FrageStellen(const QString &text);

// Install a handler; returns the previous one. An empty function restores the default
// (standard error, questions answered "Nein").
TMeldungsFunktion MeldungsFunktionSetzen(TMeldungsFunktion f);
TFrageFunktion FrageFunktionSetzen(TFrageFunktion f);

// Collects every message while it lives; for tests.
class MeldungsRekorder {
public:
    MeldungsRekorder();
    ~MeldungsRekorder();
    MeldungsRekorder(const MeldungsRekorder &) = delete;
    MeldungsRekorder &operator=(const MeldungsRekorder &) = delete;
    QStringList Meldungen;

private:
    TMeldungsFunktion m_vorher;
};

} // namespace mvt
