// Build tool: makes the manual pages and the bash completion from their templates.
//     mvt-handbuch roff|bash VORLAGE AUSGABE VERSION DATUM
// "@VERSION@" and "@DATUM@" are replaced; a line holding "@BEFEHLE@" becomes the section of
// every subcommand of morvaren-cli (roff) or the completion's word lists (bash), both from
// the help table of `morvaren-cli BEFEHL --help`. Manual pages are written in plain ASCII,
// other characters as groff's \[uXXXX], so that man shows them alike in every locale.
#include "cli/Befehlshilfe.h"

#include <QFile>
#include <QStringList>

#include <cstdio>

namespace {

using namespace mvt::cli;

QString U(const char *text)
{
    return QString::fromUtf8(text);
}

// Text for a roff text line: backslashes shown as such, a minus sign for the dashes of
// options and of command names (a hyphen between letters stays a hyphen), no control
// character at the start.
QString Roff(const QString &text)
{
    QString aus;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\')) {
            aus += QStringLiteral("\\e");
        } else if (c == QLatin1Char('-')) {
            const bool zwischenBuchstaben =
                i > 0 && text[i - 1].isLetter() && i + 1 < text.size() && text[i + 1].isLetterOrNumber();
            const bool befehlsname = text.left(i).endsWith(QLatin1String("morvaren"));
            aus += zwischenBuchstaben && !befehlsname ? QStringLiteral("-") : QStringLiteral("\\-");
        } else {
            aus += c;
        }
    }
    if (aus.startsWith(QLatin1Char('.')) || aus.startsWith(QLatin1Char('\'')))
        aus.prepend(QStringLiteral("\\&"));
    return aus;
}

QString RoffEintrag(const THilfeEintrag &e, bool argument)
{
    if (argument)
        return QStringLiteral(".TP\n.I %1\n%2\n").arg(Roff(U(e.Name)), Roff(U(e.Text)));
    const QString kopf = *e.Wert ? QStringLiteral(".BI %1 \" %2\"").arg(Roff(U(e.Name)), Roff(U(e.Wert)))
                                 : QStringLiteral(".B %1").arg(Roff(U(e.Name)));
    return QStringLiteral(".TP\n%1\n%2\n").arg(kopf, Roff(U(e.Text)));
}

QString RoffBefehle()
{
    QString t;
    for (const TBefehlshilfe &h : Befehlshilfen()) {
        const QString name = U(h.Name);
        t += QStringLiteral(".SS %1\n").arg(name);
        for (size_t i = 0; i < h.Aufrufe.size(); ++i)
            t += QStringLiteral("%1.B morvaren\\-cli %2\n%3\n")
                     .arg(i ? QStringLiteral(".br\n") : QString(), name, Roff(U(h.Aufrufe[i])));
        t += QStringLiteral(".PP\n") + Roff(U(h.Kurz) + QLatin1Char('.')) + QLatin1Char('\n');
        for (const QString &absatz : U(h.Beschreibung).split(QStringLiteral("\n\n")))
            t += QStringLiteral(".PP\n") + Roff(absatz) + QLatin1Char('\n');
        for (const THilfeEintrag &e : h.Argumente)
            t += RoffEintrag(e, true);
        for (const THilfeEintrag &e : h.Optionen)
            t += RoffEintrag(e, false);
        t += RoffEintrag(HilfeOption, false);
        t += QStringLiteral(".PP\n.B Ausgabe:\n") + Roff(U(h.Ausgabe)) + QLatin1Char('\n');
        t += QStringLiteral(".PP\n.B Exit-Status:\n.RS\n.PD 0\n");
        for (const auto &[code, text] : h.Exitstatus)
            t += QStringLiteral(".TP 4\n.B %1\n%2\n").arg(code).arg(Roff(U(text)));
        t += QStringLiteral(".PD\n.RE\n");
    }
    return t;
}

QString BashWert(const THilfeEintrag &e)
{
    switch (e.Ergaenzung) {
    case TErgaenzung::Datei:
        return QStringLiteral("datei");
    case TErgaenzung::Woerter:
        return QStringLiteral("\"woerter:%1\"").arg(U(e.Woerter));
    case TErgaenzung::Keine:
        break;
    }
    return QStringLiteral("frei");
}

// Shell variables for the completion function: befehle; per subcommand its options, those
// of them that take a value, and what each of its arguments takes, in order; per option
// with a value what that value takes.
QString BashBefehle()
{
    QStringList namen;
    QString optionen = QStringLiteral("case ${words[1]} in\n");
    QString werte = QStringLiteral("case \"${words[1]} $prev\" in\n");
    for (const TBefehlshilfe &h : Befehlshilfen()) {
        const QString name = U(h.Name);
        namen << name;
        QStringList liste, mitWert, argumente;
        for (const THilfeEintrag &o : h.Optionen) {
            liste << U(o.Name);
            if (*o.Wert) {
                mitWert << U(o.Name);
                werte += QStringLiteral("\"%1 %2\") wert=%3 ;;\n").arg(name, U(o.Name), BashWert(o));
            }
        }
        liste << U(HilfeOption.Name);
        for (const THilfeEintrag &a : h.Argumente)
            argumente << BashWert(a);
        optionen += QStringLiteral("%1) optionen=\"%2\" mitwert=\"%3\" argumente=(%4) ;;\n")
                        .arg(name, liste.join(QLatin1Char(' ')), mitWert.join(QLatin1Char(' ')),
                             argumente.join(QLatin1Char(' ')));
    }
    QString t = QStringLiteral("befehle=\"%1\"\n").arg(namen.join(QLatin1Char(' ')));
    t += optionen + QStringLiteral("esac\n") + werte + QStringLiteral("esac\n");
    return t;
}

QString NurAscii(const QString &text)
{
    QString aus;
    for (const QChar c : text)
        aus += c.unicode() < 0x80
                   ? QString(c)
                   : QStringLiteral("\\[u%1]").arg(
                         QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0')));
    return aus;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 6 || (std::string_view(argv[1]) != "roff" && std::string_view(argv[1]) != "bash")) {
        std::fprintf(stderr, "Aufruf: mvt-handbuch roff|bash VORLAGE AUSGABE VERSION DATUM\n");
        return 2;
    }
    const bool roff = std::string_view(argv[1]) == "roff";
    QFile vorlage(QString::fromLocal8Bit(argv[2]));
    if (!vorlage.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "Fehler: %s ist nicht lesbar.\n", argv[2]);
        return 1;
    }
    QString text = QString::fromUtf8(vorlage.readAll());
    text.replace(QStringLiteral("@VERSION@"), QString::fromUtf8(argv[4]));
    text.replace(QStringLiteral("@DATUM@"), QString::fromUtf8(argv[5]));

    QStringList zeilen;
    for (const QString &zeile : text.split(QLatin1Char('\n'))) {
        if (!zeile.contains(QLatin1String("@BEFEHLE@"))) {
            zeilen << zeile;
            continue;
        }
        const QString einzug = zeile.left(zeile.indexOf(QLatin1Char('@')));
        const QString befehle = roff ? RoffBefehle() : BashBefehle();
        for (const QString &z : befehle.chopped(1).split(QLatin1Char('\n')))
            zeilen << (roff || z.isEmpty() ? z : einzug + z);
    }
    text = zeilen.join(QLatin1Char('\n'));
    if (roff)
        text = NurAscii(text);

    QFile aus(QString::fromLocal8Bit(argv[3]));
    if (!aus.open(QIODevice::WriteOnly | QIODevice::Truncate) || aus.write(text.toUtf8()) < 0) {
        std::fprintf(stderr, "Fehler: %s ist nicht schreibbar.\n", argv[3]);
        return 1;
    }
    return 0;
}
