// The tool's own web site and the shell "open" of its pages in the user's browser.
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace mvt {

// Host of the tool's web site (plain HTTP); only the page paths are fixed.
inline const QString WebseiteHost = QStringLiteral("http://morvaren-tool.example.org");

// "/index.html" -> the full address on the tool's web site.
QUrl WebseiteAdresse(const QString &pfad);

// Opens a page in the user's browser; the result is ignored, failures are not reported.
void WebseiteOeffnen(const QString &pfad);

// Replaces the shell "open" (tests record the addresses instead of starting a browser);
// returns the previous one. An empty function restores QDesktopServices::openUrl.
using TUrlOeffner = std::function<void(const QUrl &)>;
TUrlOeffner UrlOeffnerSetzen(TUrlOeffner f);

} // namespace mvt
