#include "cli/Befehle.h"

#include "base/Meldung.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

#include <cstdio>
#include <map>
#include <new>
#include <string>

namespace mvt::cli {

namespace {
struct Befehl {
    std::string hilfe;
    BefehlFunktion f;
    int fehlercode = 1;
};
std::map<std::string, Befehl> &Befehlstabelle()
{
    static std::map<std::string, Befehl> t;
    return t;
}
} // namespace

BefehlRegistrierung::BefehlRegistrierung(const char *name, const char *hilfe, BefehlFunktion f,
                                         int fehlercode)
{
    Befehlstabelle()[name] = {hilfe, std::move(f), fehlercode};
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

} // namespace mvt::cli

int main(int argc, char **argv)
{
    using namespace mvt::cli;
    QCoreApplication app(argc, argv);
    // Model messages go to standard error; questions are answered "Nein".
    mvt::MeldungsFunktionSetzen([](const QString &t) { FehlerAusgeben(t); });
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (args.isEmpty() || args.first() == QLatin1String("--hilfe") ||
        args.first() == QLatin1String("--help")) {
        std::printf("Aufruf: morvaren-cli BEFEHL [ARGUMENTE]\n\nBefehle:\n");
        for (const auto &[name, b] : Befehlstabelle())
            std::printf("  %-14s %s\n", name.c_str(), b.hilfe.c_str());
        return args.isEmpty() ? 2 : 0;
    }
    const std::string name = args.takeFirst().toStdString();
    const auto it = Befehlstabelle().find(name);
    if (it == Befehlstabelle().end()) {
        FehlerAusgeben(QStringLiteral("Fehler: Unbekannter Befehl: ") +
                       mvt::Zitat(QString::fromStdString(name)));
        return 2;
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
