// What a screen reader needs beyond Qt's defaults, set up once for the whole program:
// secondary windows read as dialogs named by their caption, and hints that change (the
// description a screen reader reads) announced as changed.
#pragma once

class QAbstractButton;
class QWidget;

namespace mvt {

// Installs the interface factory and the application-wide event filter; once per process,
// after the QApplication exists.
void ZugangEinrichten();

// A checkable tool button of an exclusive group (a page switch) is read as a radio button,
// with the toggle action that checks it. Sets up ZugangEinrichten too.
void AlsAuswahlknopf(QAbstractButton *knopf);

// In an exclusive group (radio buttons of one parent, or a QButtonGroup) Tab lands on the
// checked member: Qt keeps the Tab stop on the member that last had the focus.
void TabAufGewaehltem(QAbstractButton *knopf);

// The access keys of a menu bar are underlined only while Alt is held (the style would
// underline them always).
void ZugriffstastenBeiAlt(QWidget *leiste);

// Tells a screen reader that the name or description of w changed (texts it may have read).
void NameGeaendert(QWidget *w);
void BeschreibungGeaendert(QWidget *w);

} // namespace mvt
