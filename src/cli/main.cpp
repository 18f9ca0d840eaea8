#include "cli/Befehle.h"

#include "base/Meldung.h"
#include "base/Optionen.h"
#include "cli/Befehlshilfe.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>
#include <map>
#include <new>
#include <string>

namespace mvt::cli {

namespace {
struct Befehl {
    BefehlFunktion f;
    int fehlercode = 1;
};
std::map<std::string, Befehl> &Befehlstabelle()
{
    static std::map<std::string, Befehl> t;
    return t;
}
} // namespace

BefehlRegistrierung::BefehlRegistrierung(const char *name, BefehlFunktion f, int fehlercode)
{
    Befehlstabelle()[name] = {std::move(f), fehlercode};
}

void JsonAusgeben(const QJsonValue &wert)
{
    QJsonDocument doc;
    if (wert.isArray())
        doc = QJsonDocument(wert.toArray());
    else
        doc = QJsonDocument(wert.toObject());
    Ausgeben(doc.toJson(QJsonDocument::Indented));
}

void Ausgeben(const QByteArray &text)
{
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
}

std::optional<QString> OptionNehmen(QStringList &args, const char *name, bool *fehlerhaft)
{
    const qsizetype i = args.indexOf(QLatin1String(name));
    if (i < 0)
        return std::nullopt;
    if (i + 1 >= args.size()) {
        *fehlerhaft = true;
        args.remove(i);
        return std::nullopt;
    }
    QString wert = args[i + 1];
    args.remove(i, 2);
    return wert;
}

void FehlerAusgeben(const QString &text)
{
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

namespace {

bool IstHilfe(const QString &a)
{
    return a == QLatin1String("--help") || a == QLatin1String("--hilfe");
}

// The overview: every registered command with its line from the help table.
void UebersichtAusgeben()
{
    QString t = QStringLiteral("Aufruf: morvaren-cli BEFEHL [ARGUMENTE]\n"
                               "        morvaren-cli BEFEHL --help\n"
                               "        morvaren-cli --help | --version\n\nBefehle:\n");
    for (const auto &[name, b] : Befehlstabelle()) {
        const TBefehlshilfe *h = BefehlshilfeSuchen(name);
        t += QStringLiteral("  %1 ").arg(QString::fromStdString(name), -14) +
             (h ? Umbrechen(QString::fromUtf8(h->Kurz), 17).mid(17) : QStringLiteral("\n"));
    }
    t += QStringLiteral("\nDie Beschreibung steht in \"man morvaren-cli\".\n");
    Ausgeben(t.toUtf8());
}

} // namespace

} // namespace mvt::cli

int main(int argc, char **argv)
{
    using namespace mvt::cli;
    QCoreApplication app(argc, argv);
    // Model messages go to standard error; questions are answered "Nein".
    mvt::MeldungsFunktionSetzen([](const QString &t) { FehlerAusgeben(t); });
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (args.isEmpty() || IstHilfe(args.first())) {
        UebersichtAusgeben();
        return args.isEmpty() ? 2 : 0;
    }
    if (args.first() == QLatin1String("--version")) {
        Ausgeben("morvaren-cli " + mvt::Programmversion.toUtf8() + '\n');
        return 0;
    }
    const std::string name = args.takeFirst().toStdString();
    const auto it = Befehlstabelle().find(name);
    if (it == Befehlstabelle().end()) {
        FehlerAusgeben(QStringLiteral("Fehler: Unbekannter Befehl: ") +
                       mvt::Zitat(QString::fromStdString(name)));
        return 2;
    }
    if (std::any_of(args.begin(), args.end(), IstHilfe)) {
        const TBefehlshilfe *h = BefehlshilfeSuchen(name);
        if (!h) {
            FehlerAusgeben(QStringLiteral("Fehler: Zu diesem Befehl gibt es keine Hilfe."));
            return 1;
        }
        Ausgeben(HilfeText(*h).toUtf8());
        return 0;
    }
    try {
        return it->second.f(args);
    } catch (const std::bad_alloc &) {
        // Whatever the input, the tool ends with a German message and the error exit.
        std::fflush(stdout);
        FehlerAusgeben(SpeicherFehlerText);
        return it->second.fehlercode;
    }
}
