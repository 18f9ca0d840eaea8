#include "combat/ui/Rundendiagramm.h"

#include "combat/ui/Diagrammzeichnung.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <QVarLengthArray>

#include <algorithm>
#include <cmath>

namespace mvt {

namespace {

const QColor Farben[] = {QColor(0xC6, 0x28, 0x28), QColor(0x15, 0x65, 0xC0), QColor(0x2E, 0x7D, 0x32),
                         QColor(0xE6, 0x7E, 0x00)};

QString Reihenname(int reihe, const QString &vergleich)
{
    switch (reihe) {
    case 0:
        return QStringLiteral("Schaden ausgeteilt");
    case 1:
        return QStringLiteral("Schaden erhalten");
    case 2:
        return QStringLiteral("Heilung ausgeteilt");
    default:
        return QStringLiteral("Schaden ausgeteilt: ") + vergleich;
    }
}

// Read as a chart: its description a short summary, its value the marked Runde's figures
// (the Runde number as the numeric value).
class TDiagrammZugang : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TDiagrammZugang(TRundendiagramm *d) : QAccessibleWidget(d, QAccessible::Chart) {}
    TRundendiagramm *Diagramm() const { return static_cast<TRundendiagramm *>(widget()); }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString(Diagramm()->Hinweistext(Diagramm()->Marke())).replace(u'\n', QStringLiteral(", "));
        return QAccessibleWidget::text(t);
    }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QVariant currentValue() const override { return Diagramm()->Marke(); }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return std::max(Diagramm()->Runden(), 1); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }
};

QAccessibleInterface *Diagrammfabrik(const QString &klasse, QObject *objekt)
{
    if (klasse != QLatin1String("mvt::TRundendiagramm"))
        return nullptr;
    return new TDiagrammZugang(static_cast<TRundendiagramm *>(objekt));
}

std::vector<int32_t> Verteilen(const TKaempfer &k, int32_t TRundenwerte::*feld, int32_t runden)
{
    std::vector<int32_t> werte(size_t(std::max(runden, 0)), 0);
    for (const TRundenwerte &r : k.ProRunde)
        if (r.Runde >= 1 && r.Runde <= runden)
            werte[size_t(r.Runde - 1)] = r.*feld;
    return werte;
}

} // namespace

TRundendiagramm::TRundendiagramm(QWidget *parent) : QWidget(parent)
{
    static const bool fabrik = (QAccessible::installFactory(Diagrammfabrik), true);
    Q_UNUSED(fabrik);
    setObjectName(QStringLiteral("Rundendiagramm"));
    setAccessibleName(QStringLiteral("Verlauf pro Runde"));
    setMouseTracking(true);
    // Reachable by Tab so that a screen reader meets its description; arrows walk the Runden.
    setFocusPolicy(Qt::TabFocus);
    setMinimumSize(160, 80);
    BeschreibungSetzen();
}

void TRundendiagramm::KaempferSetzen(const TKaempfer *k, int32_t runden)
{
    m_runden = k ? std::max(runden, 1) : 0;
    m_name = k ? k->Name : QString();
    if (k) {
        m_werte[SchadenAus] = Verteilen(*k, &TRundenwerte::Schaden, m_runden);
        m_werte[SchadenEin] = Verteilen(*k, &TRundenwerte::SchadenErhalten, m_runden);
        m_werte[HeilungAus] = Verteilen(*k, &TRundenwerte::Heilung, m_runden);
    } else {
        for (auto &w : m_werte)
            w.clear();
        m_vergleichName.clear();
    }
    // The comparison keeps its Runden; a shorter list than the fight is padded.
    m_werte[Vergleich].resize(m_vergleichName.isEmpty() ? 0 : size_t(m_runden), 0);
    if (m_vergleichName == m_name)
        VergleichSetzen(nullptr);
    m_marke = std::min(m_marke, int(m_runden));
    BeschreibungSetzen();
    update();
}

void TRundendiagramm::VergleichSetzen(const TKaempfer *k)
{
    if (k && m_runden > 0 && k->Name != m_name) {
        m_vergleichName = k->Name;
        m_werte[Vergleich] = Verteilen(*k, &TRundenwerte::Schaden, m_runden);
    } else {
        m_vergleichName.clear();
        m_werte[Vergleich].clear();
    }
    BeschreibungSetzen();
    update();
}

QRect TRundendiagramm::Flaeche() const
{
    const QFontMetrics fm(font());
    const int zeile = fm.height();
    const int links = fm.horizontalAdvance(QString::number(Obergrenze())) + 8;
    // The last Runde's number is centred under the right end of the plot: room for its
    // right half, which was cut at the edge ("1000(" for 100000).
    const int rechts = std::max(8, (fm.horizontalAdvance(QString::number(m_runden)) + 1) / 2 + 3);
    // Legend above, Runde numbers below.
    return QRect(links, zeile + 6, std::max(width() - links - rechts, 1),
                 std::max(height() - 2 * zeile - 12, 1));
}

double TRundendiagramm::X(int runde, const QRect &f) const
{
    if (m_runden <= 1)
        return f.left() + f.width() / 2.0;
    return f.left() + double(runde - 1) * f.width() / double(m_runden - 1);
}

int64_t TRundendiagramm::Obergrenze() const
{
    int64_t groesste = 0;
    for (const auto &w : m_werte)
        for (int32_t v : w)
            groesste = std::max<int64_t>(groesste, v);
    const int64_t schritt = RunderSchritt(double(std::max<int64_t>(groesste, 1)) / 4.0);
    return std::max<int64_t>((groesste + schritt - 1) / schritt, 1) * schritt;
}

int TRundendiagramm::RundeBei(QPoint p) const
{
    const QRect f = Flaeche();
    if (m_runden < 1 || p.x() < f.left() - 4 || p.x() > f.right() + 4 || p.y() < f.top() ||
        p.y() > f.bottom())
        return 0;
    if (m_runden == 1)
        return 1;
    const double r = 1.0 + double(p.x() - f.left()) * double(m_runden - 1) / double(std::max(f.width(), 1));
    return std::clamp(int(std::lround(r)), 1, int(m_runden));
}

QString TRundendiagramm::Hinweistext(int runde) const
{
    if (runde < 1 || runde > m_runden)
        return QString();
    QString t = QStringLiteral("Runde ") + QString::number(runde);
    for (int r = 0; r < Reihen; ++r)
        if (!m_werte[r].empty())
            t += u'\n' + Reihenname(r, m_vergleichName) + QStringLiteral(": ") +
                 QString::number(m_werte[r][size_t(runde - 1)]);
    return t;
}

void TRundendiagramm::BeschreibungSetzen()
{
    if (m_runden < 1) {
        setAccessibleDescription(QStringLiteral("Kein Kämpfer ausgewählt."));
        return;
    }
    int64_t summe[3] = {};
    for (int r = 0; r < 3; ++r)
        for (int32_t v : m_werte[r])
            summe[r] += v;
    QString t = QStringLiteral("%1 in %2 Runden: Schaden ausgeteilt %3, Schaden erhalten %4, Heilung "
                               "ausgeteilt %5.")
                    .arg(m_name)
                    .arg(m_runden)
                    .arg(summe[0])
                    .arg(summe[1])
                    .arg(summe[2]);
    // A summary only: the figures of one Runde are the value, read while the arrow keys
    // step through the Runden (a long fight listed whole was read for minutes).
    if (!m_vergleichName.isEmpty()) {
        int64_t vergleich = 0;
        for (int32_t v : m_werte[Vergleich])
            vergleich += v;
        t += QStringLiteral(" Vergleich mit %1: Schaden ausgeteilt %2.").arg(m_vergleichName).arg(vergleich);
    }
    t += QStringLiteral(" Pfeiltasten wählen die Runde, Bild auf und Bild ab den Vergleichskämpfer.");
    setAccessibleDescription(t);
}

void TRundendiagramm::MarkeSetzen(int runde)
{
    if (runde == m_marke)
        return;
    m_marke = runde;
    update();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent e(this, runde);
        QAccessible::updateAccessibility(&e);
    }
}

void TRundendiagramm::HinweisZeigen(QPoint wo)
{
    const QString t = Hinweistext(m_marke);
    if (t.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(mapToGlobal(wo), t, this);
}

bool TRundendiagramm::event(QEvent *ereignis)
{
    if (ereignis->type() == QEvent::ToolTip) {
        const auto *hilfe = static_cast<QHelpEvent *>(ereignis);
        MarkeSetzen(RundeBei(hilfe->pos()));
        HinweisZeigen(hilfe->pos());
        return true;
    }
    return QWidget::event(ereignis);
}

void TRundendiagramm::mouseMoveEvent(QMouseEvent *ereignis)
{
    MarkeSetzen(RundeBei(ereignis->position().toPoint()));
    // An open tool tip follows the mouse from Runde to Runde.
    if (QToolTip::isVisible())
        HinweisZeigen(ereignis->position().toPoint());
    QWidget::mouseMoveEvent(ereignis);
}

void TRundendiagramm::leaveEvent(QEvent *ereignis)
{
    MarkeSetzen(0);
    QWidget::leaveEvent(ereignis);
}

void TRundendiagramm::keyPressEvent(QKeyEvent *ereignis)
{
    int neu = m_marke;
    switch (ereignis->key()) {
    case Qt::Key_Left:
        neu = std::max(m_marke - 1, 1);
        break;
    case Qt::Key_Right:
        neu = std::min(m_marke + 1, int(m_runden));
        break;
    case Qt::Key_Home:
        neu = 1;
        break;
    case Qt::Key_End:
        neu = int(m_runden);
        break;
    case Qt::Key_PageDown:
    case Qt::Key_PageUp:
        emit vergleichWechseln(ereignis->key() == Qt::Key_PageDown ? 1 : -1);
        return;
    default:
        QWidget::keyPressEvent(ereignis);
        return;
    }
    if (m_runden < 1)
        return;
    MarkeSetzen(neu);
    const QRect f = Flaeche();
    HinweisZeigen(QPoint(int(X(m_marke, f)), f.top() + f.height() / 2));
}

void TRundendiagramm::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPalette &pal = palette();
    DiagrammRahmenZeichnen(p, *this);
    if (m_runden < 1)
        return;

    const QFontMetrics fm(font());
    const QRect f = Flaeche();
    const int64_t oben = Obergrenze();
    auto y = [&](int64_t v) { return DiagrammY(f, v, oben); };
    const QColor text = pal.color(QPalette::Text);

    WerteachseZeichnen(p, pal, fm, f, oben);
    // Runde numbers below, as many as fit without touching.
    const int platz = fm.horizontalAdvance(QString::number(m_runden)) + 12;
    const int64_t rSchritt =
        RunderSchritt(double(m_runden) / std::max(1.0, double(f.width()) / double(std::max(platz, 1))));
    p.setPen(text);
    for (int64_t r = 1; r <= m_runden; r = (r == 1 && rSchritt > 1) ? rSchritt : r + rSchritt) {
        const double xx = X(int(r), f);
        p.drawLine(QPointF(xx, f.bottom()), QPointF(xx, f.bottom() + 3));
        p.drawText(QRectF(xx - platz / 2.0, f.bottom() + 3, platz, fm.height()),
                   Qt::AlignHCenter | Qt::AlignTop, QString::number(r));
    }
    AchsenZeichnen(p, pal, f);
    if (m_marke >= 1)
        MarkeZeichnen(p, pal, f, X(m_marke, f));

    // The lines: more Runden than pixels are drawn as the range of each pixel column.
    p.setClipRect(f.adjusted(-2, -2, 2, 2));
    const bool verdichten = m_runden > 2 * f.width();
    for (int r = 0; r < Reihen; ++r) {
        const auto &w = m_werte[r];
        if (w.empty())
            continue;
        QPolygonF linie;
        if (!verdichten) {
            linie.reserve(qsizetype(w.size()));
            for (int i = 0; i < m_runden; ++i)
                linie << QPointF(X(i + 1, f), y(w[size_t(i)]));
        } else {
            linie.reserve(2 * f.width());
            for (int s = 0; s < f.width(); ++s) {
                const size_t von = size_t(int64_t(s) * m_runden / f.width());
                const size_t bis = std::max(von + 1, size_t(int64_t(s + 1) * m_runden / f.width()));
                const auto [mi, ma] =
                    std::minmax_element(w.begin() + qsizetype(von), w.begin() + qsizetype(bis));
                linie << QPointF(f.left() + s, y(*mi)) << QPointF(f.left() + s, y(*ma));
            }
        }
        p.setPen(
            QPen(Farben[r], 2, r == Vergleich ? Qt::DashLine : Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        if (linie.size() == 1) {
            p.drawEllipse(linie.first(), 2.5, 2.5);
            continue;
        }
        // Segment by segment: one polyline of many steep zigzags makes the rasteriser
        // work on a huge self-overlapping outline, which is many times slower.
        QVarLengthArray<QLineF, 1024> strecken;
        for (qsizetype i = 1; i < linie.size(); ++i)
            strecken.append(QLineF(linie[i - 1], linie[i]));
        p.drawLines(strecken.constData(), int(strecken.size()));
    }
    p.setClipping(false);

    // Legend in one row above the plot.
    int x = f.left();
    const int ly = 3 + fm.height() / 2;
    for (int r = 0; r < Reihen; ++r) {
        if (m_werte[r].empty())
            continue;
        p.setPen(QPen(Farben[r], 2, r == Vergleich ? Qt::DashLine : Qt::SolidLine));
        p.drawLine(x, ly, x + 16, ly);
        const QString name = Reihenname(r, m_vergleichName);
        p.setPen(text);
        p.drawText(QPoint(x + 20, 3 + fm.ascent()), name);
        x += 20 + fm.horizontalAdvance(name) + 14;
    }
}

} // namespace mvt
