#include "app/Webseite.h"

#include <QDesktopServices>

namespace mvt {

namespace {
TUrlOeffner &Oeffner()
{
    static TUrlOeffner f;
    return f;
}
} // namespace

QUrl WebseiteAdresse(const QString &pfad)
{
    return QUrl(WebseiteHost + pfad);
}

void WebseiteOeffnen(const QString &pfad)
{
    const QUrl url = WebseiteAdresse(pfad);
    if (Oeffner())
        Oeffner()(url);
    else
        QDesktopServices::openUrl(url);
}

TUrlOeffner UrlOeffnerSetzen(TUrlOeffner f)
{
    TUrlOeffner alt = Oeffner();
    Oeffner() = std::move(f);
    return alt;
}

} // namespace mvt
