#include "combat/ui/Verlaufsdiagramm.h"

#include "combat/ui/Diagrammzeichnung.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace mvt {

namespace {

// The colours of the per-Runde chart, so that one line means the same in both.
const QColor Farben[] = {QColor(0xC6, 0x28, 0x28), QColor(0x15, 0x65, 0xC0), QColor(0x2E, 0x7D, 0x32)};
// The captions of the table beside the chart.
const char16_t *const Reihennamen[] = {u"Schaden", u"Schaden erhalten", u"Heilung"};

int32_t Wert(const TVerlaufspunkt &p, int reihe)
{
    return reihe == 0 ? p.Schaden : reihe == 1 ? p.SchadenErhalten : p.Heilung;
}

} // namespace

TVerlaufsdiagramm::TVerlaufsdiagramm(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DiagrammVerlauf"));
    setAccessibleName(QStringLiteral("Verlauf über die Kämpfe"));
    setFocusPolicy(Qt::TabFocus);
    setMinimumSize(200, 120);
    BeschreibungSetzen();
}

void TVerlaufsdiagramm::VerlaufSetzen(const QString &name, std::vector<TVerlaufspunkt> punkte)
{
    m_name = name;
    m_punkte = std::move(punkte);
    m_marke = -1;
    BeschreibungSetzen();
    update();
}

QRect TVerlaufsdiagramm::Flaeche() const
{
    const QFontMetrics fm(font());
    const int links = fm.horizontalAdvance(QString::number(Obergrenze())) + 8;
    // Half a date label to the right, so that the last one fits.
    const int rechts = fm.horizontalAdvance(QStringLiteral("00.00.00")) / 2 + 8;
    return QRect(links, fm.height() + 6, std::max(width() - links - rechts, 1),
                 std::max(height() - 2 * fm.height() - 14, 1));
}

double TVerlaufsdiagramm::X(int kampf, const QRect &f) const
{
    const int n = int(m_punkte.size());
    return n <= 1 ? f.left() + f.width() / 2.0 : f.left() + double(kampf) * f.width() / double(n - 1);
}

int64_t TVerlaufsdiagramm::Obergrenze() const
{
    int64_t groesste = 1;
    for (const TVerlaufspunkt &p : m_punkte)
        for (int r = 0; r < 3; ++r)
            groesste = std::max<int64_t>(groesste, Wert(p, r));
    const int64_t schritt = RunderSchritt(double(groesste) / 4.0);
    return (groesste + schritt - 1) / schritt * schritt;
}

int TVerlaufsdiagramm::KampfBei(QPoint p) const
{
    const QRect f = Flaeche();
    const int n = int(m_punkte.size());
    if (n == 0 || p.x() < f.left() - 6 || p.x() > f.right() + 6 || p.y() < f.top() || p.y() > f.bottom())
        return -1;
    if (n == 1)
        return 0;
    return std::clamp(int(std::lround(double(p.x() - f.left()) * (n - 1) / std::max(f.width(), 1))), 0,
                      n - 1);
}

QString TVerlaufsdiagramm::Hinweistext(int kampf) const
{
    if (kampf < 0 || kampf >= int(m_punkte.size()))
        return QString();
    const TVerlaufspunkt &p = m_punkte[size_t(kampf)];
    QString t = ZeitpunktAnzeigen(p.Zeitpunkt) + QStringLiteral(" (Kampf %1)").arg(p.Id);
    for (int r = 0; r < 3; ++r)
        t += u'\n' + QString::fromUtf16(Reihennamen[r]) + QStringLiteral(": ") + QString::number(Wert(p, r));
    return t;
}

void TVerlaufsdiagramm::BeschreibungSetzen()
{
    if (m_punkte.empty()) {
        setAccessibleDescription(QStringLiteral("Kein Kämpfer ausgewählt."));
        return;
    }
    QString t = QStringLiteral("%1 in %2 Kämpfen.").arg(m_name).arg(m_punkte.size());
    for (size_t i = 0; i < m_punkte.size() && i < 50; ++i)
        t += QStringLiteral(" %1: %2, %3, %4.")
                 .arg(ZeitpunktAnzeigen(m_punkte[i].Zeitpunkt))
                 .arg(m_punkte[i].Schaden)
                 .arg(m_punkte[i].SchadenErhalten)
                 .arg(m_punkte[i].Heilung);
    setAccessibleDescription(t);
}

bool TVerlaufsdiagramm::event(QEvent *ereignis)
{
    if (ereignis->type() == QEvent::ToolTip) {
        const auto *hilfe = static_cast<QHelpEvent *>(ereignis);
        const QString t = Hinweistext(KampfBei(hilfe->pos()));
        if (t.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(hilfe->globalPos(), t, this);
        return true;
    }
    return QWidget::event(ereignis);
}

void TVerlaufsdiagramm::keyPressEvent(QKeyEvent *ereignis)
{
    const int n = int(m_punkte.size());
    int neu = m_marke;
    if (ereignis->key() == Qt::Key_Left)
        neu = std::max(m_marke - 1, 0);
    else if (ereignis->key() == Qt::Key_Right)
        neu = std::min(m_marke + 1, n - 1);
    else {
        QWidget::keyPressEvent(ereignis);
        return;
    }
    if (n == 0)
        return;
    m_marke = neu;
    update();
    const QRect f = Flaeche();
    QToolTip::showText(mapToGlobal(QPoint(int(X(m_marke, f)), f.center().y())), Hinweistext(m_marke), this);
}

void TVerlaufsdiagramm::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPalette &pal = palette();
    DiagrammRahmenZeichnen(p, *this);
    const QColor text = pal.color(QPalette::Text);
    if (m_punkte.empty()) {
        p.setPen(text);
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Bitte einen Kämpfer auswählen."));
        return;
    }
    const QFontMetrics fm(font());
    const QRect f = Flaeche();
    const int64_t oben = Obergrenze();
    auto y = [&](int64_t v) { return DiagrammY(f, v, oben); };

    WerteachseZeichnen(p, pal, fm, f, oben);
    // Dates below, as many as fit.
    const int n = int(m_punkte.size());
    const int platz = fm.horizontalAdvance(QStringLiteral("00.00.00")) + 10;
    const int jeder = std::max(1, int(std::ceil(double(n) * platz / std::max(f.width(), 1))));
    p.setPen(text);
    for (int i = 0; i < n; i += jeder) {
        const double xx = X(i, f);
        p.drawLine(QPointF(xx, f.bottom()), QPointF(xx, f.bottom() + 3));
        const QDateTime t = QDateTime::fromString(m_punkte[size_t(i)].Zeitpunkt, Qt::ISODate).toLocalTime();
        p.drawText(QRectF(xx - platz / 2.0, f.bottom() + 3, platz, fm.height()),
                   Qt::AlignHCenter | Qt::AlignTop, t.toString(QStringLiteral("dd.MM.yy")));
    }
    AchsenZeichnen(p, pal, f);
    if (m_marke >= 0)
        MarkeZeichnen(p, pal, f, X(m_marke, f));

    for (int r = 0; r < 3; ++r) {
        QPolygonF linie;
        for (int i = 0; i < n; ++i)
            linie << QPointF(X(i, f), y(Wert(m_punkte[size_t(i)], r)));
        p.setPen(QPen(Farben[r], 2));
        p.drawPolyline(linie);
        p.setBrush(Farben[r]);
        // Points while they do not run into one another.
        if (f.width() / std::max(n, 1) >= 6)
            for (const QPointF &q : linie)
                p.drawEllipse(q, 2.5, 2.5);
        p.setBrush(Qt::NoBrush);
    }

    int x = f.left();
    for (int r = 0; r < 3; ++r) {
        p.setPen(QPen(Farben[r], 2));
        p.drawLine(x, 3 + fm.height() / 2, x + 16, 3 + fm.height() / 2);
        const QString name = QString::fromUtf16(Reihennamen[r]);
        p.setPen(text);
        p.drawText(QPoint(x + 20, 3 + fm.ascent()), name);
        x += 20 + fm.horizontalAdvance(name) + 14;
    }
}

} // namespace mvt
