// The libjpeg wrapper and the three pictures it decodes.
#include "ui/Bilder.h"
#include "ui/JpegBild.h"

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using namespace mvt;

namespace {
QByteArray Ressource(const QString &name)
{
    Hintergrundbild(); // registers the resources
    QFile f(QStringLiteral(":/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Mean absolute difference of the colour channels of two pixel columns (or rows).
double Abstand(const QImage &b, bool spalten, int i, int j)
{
    const int n = spalten ? b.height() : b.width();
    double summe = 0;
    for (int k = 0; k < n; ++k) {
        const QRgb p = spalten ? b.pixel(i, k) : b.pixel(k, i);
        const QRgb q = spalten ? b.pixel(j, k) : b.pixel(k, j);
        summe +=
            std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
    return summe / (3.0 * n);
}
} // namespace

class JpegBildTest : public QObject {
    Q_OBJECT

private slots:
    void bilderDerRessourcen();
    void hintergrundKacheltNahtlos();
    void ungueltigeDaten();
    void verfaelschteDatenOhneAbsturz();
    void graustufenbild();
};

void JpegBildTest::bilderDerRessourcen()
{
    struct Fall {
        const char *name;
        QSize groesse;
    };
    for (const Fall &f : {Fall{"Hintergrund_jpg", {1024, 200}}, Fall{"ImageLogo_jpg", {102, 67}},
                          Fall{"ImageHadrik_jpg", {102, 102}}}) {
        const QImage b = JpegDekodieren(Ressource(QString::fromLatin1(f.name)));
        QVERIFY2(!b.isNull(), f.name);
        QCOMPARE(b.size(), f.groesse);
        QCOMPARE(b.format(), QImage::Format_RGB32);
    }
    QCOMPARE(Hintergrundbild().size(), QSize(1024, 200));
    QCOMPARE(Logobild().size(), QSize(102, 67));
    QCOMPARE(Autorbild().size(), QSize(102, 102));
}

void JpegBildTest::hintergrundKacheltNahtlos()
{
    // The seam between two tiles (last column next to the first) must look like any
    // other pair of neighbouring columns; the same for rows.
    const QImage &b = Hintergrundbild();
    const double naht = Abstand(b, true, b.width() - 1, 0);
    const double innen = Abstand(b, true, b.width() / 2, b.width() / 2 + 1);
    QVERIFY2(naht < innen * 2.0 + 1.0, qPrintable(QStringLiteral("%1 %2").arg(naht).arg(innen)));
    const double nahtZeile = Abstand(b, false, b.height() - 1, 0);
    const double innenZeile = Abstand(b, false, b.height() / 2, b.height() / 2 + 1);
    QVERIFY2(nahtZeile < innenZeile * 2.0 + 1.0,
             qPrintable(QStringLiteral("%1 %2").arg(nahtZeile).arg(innenZeile)));
    // Calm and light, so that text on it stays readable.
    double summe = 0;
    for (int y = 0; y < b.height(); y += 4)
        for (int x = 0; x < b.width(); x += 4)
            summe += qGray(b.pixel(x, y));
    const double mittel = summe / ((b.height() / 4) * (b.width() / 4));
    QVERIFY(mittel > 200);
}

void JpegBildTest::ungueltigeDaten()
{
    QVERIFY(JpegDekodieren({}).isNull());
    QVERIFY(JpegDekodieren("kein Bild").isNull());
    QVERIFY(JpegDekodieren(QByteArray("\xFF\xD8\xFF", 3)).isNull());
    const QByteArray logo = Ressource("ImageLogo_jpg");
    QVERIFY(JpegDekodieren(logo.left(logo.size() / 2)).isNull()); // truncated
    QVERIFY(JpegDekodieren(logo.left(200)).isNull());
}

void JpegBildTest::verfaelschteDatenOhneAbsturz()
{
    // Random damage anywhere in a valid picture: a valid image or a null one, never a crash.
    const QByteArray logo = Ressource("ImageLogo_jpg");
    QRandomGenerator zufall(4711);
    int gelesen = 0;
    for (int runde = 0; runde < 400; ++runde) {
        QByteArray d = logo;
        const int stellen = 1 + zufall.bounded(8);
        for (int i = 0; i < stellen; ++i)
            d[zufall.bounded(d.size())] = static_cast<char>(zufall.bounded(256));
        const QImage b = JpegDekodieren(d);
        if (!b.isNull()) {
            ++gelesen;
            QVERIFY(b.width() > 0 && b.width() <= JpegMaxKante && b.height() > 0 &&
                    b.height() <= JpegMaxKante);
        }
    }
    QVERIFY(gelesen < 400);
}

void JpegBildTest::graustufenbild()
{
    // Grey pictures come out as RGB with equal channels.
    QImage grau(16, 8, QImage::Format_Grayscale8);
    grau.fill(128);
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    if (!grau.save(&puffer, "JPG"))
        QSKIP("Qt has no JPEG writer here");
    const QImage b = JpegDekodieren(daten);
    QCOMPARE(b.size(), QSize(16, 8));
    const QRgb p = b.pixel(3, 3);
    QCOMPARE(qRed(p), qGreen(p));
    QVERIFY(std::abs(qRed(p) - 128) <= 2);
}

#include "JpegBildTest.moc"
QObject *JpegBildTestErzeugen()
{
    return new JpegBildTest;
}
