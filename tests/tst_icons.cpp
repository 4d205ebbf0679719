#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>

namespace {

const QString appIcon = QStringLiteral("org.orvelle.Pantrix");
const int appIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

QString sourceIcons()
{
    return QStringLiteral(PANTRIX_SOURCE_DIR "/icons/");
}

QString hicolorPath(const QString &pRoot, int pSize)
{
    return pRoot + QString("app/hicolor/%1x%1/apps/").arg(pSize) + appIcon + ".png";
}

// Rasterisation may move by a rounding step between Qt versions; a change of
// the drawing moves edges by far more.
int largestDifference(const QImage &pA, const QImage &pB)
{
    const QImage a = pA.convertToFormat(QImage::Format_ARGB32);
    const QImage b = pB.convertToFormat(QImage::Format_ARGB32);
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb pa = a.pixel(x, y);
            const QRgb pb = b.pixel(x, y);
            // Colour does not matter where both are fully transparent.
            if (qAlpha(pa) == 0 && qAlpha(pb) == 0)
                continue;
            largest = std::max({largest, qAbs(qAlpha(pa) - qAlpha(pb)), qAbs(qRed(pa) - qRed(pb)),
                                qAbs(qGreen(pa) - qGreen(pb)), qAbs(qBlue(pa) - qBlue(pb))});
        }
    }
    return largest;
}

} // namespace

class tst_Icons : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void bundledGlyph_data();
    void bundledGlyph();
    void committedFilesAreTheToolsDrawing();
    void applicationIcon();

private:
    QTemporaryDir m_drawn;
};

void tst_Icons::initTestCase()
{
    QVERIFY(m_drawn.isValid());
    QProcess tool;
    tool.start(QStringLiteral(PANTRIX_ICONS_TOOL), {m_drawn.path()});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tool.exitCode(), 0);
}

void tst_Icons::bundledGlyph_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    for (const char *name :
         {"dashboard-button", "quit-button", "back-button", "edit-button", "delete-button"})
        QTest::newRow(name) << QString::fromLatin1(name) << QSize(25, 25);
    QTest::newRow("menu-arrow") << QStringLiteral("menu-arrow") << QSize(10, 5);
}

void tst_Icons::bundledGlyph()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QImage image(":/icons/icons/" + name + ".png");
    QVERIFY(!image.isNull());
    QCOMPARE(image.format(), QImage::Format_ARGB32);
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(image.size(), size);

    // White ink only; the glyph covers a real part of the square, not all of it.
    qreal ink = 0;
    int clear = 0;
    int solid = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const int alpha = qAlpha(pixel);
            if (alpha != 0)
                QCOMPARE(QColor(pixel).rgb(), QColor(Qt::white).rgb());
            ink += alpha / 255.0;
            clear += alpha == 0;
            solid += alpha == 255;
        }
    }
    const qreal area = size.width() * size.height();
    QVERIFY2(ink > area * 0.1 && ink < area * 0.6, qPrintable(QString::number(ink / area)));
    QVERIFY(solid > 0);
    QVERIFY(clear > 0);
}

void tst_Icons::committedFilesAreTheToolsDrawing()
{
    for (const QString &name : QDir(sourceIcons()).entryList({"*.png"}, QDir::Files)) {
        const QImage committed(":/icons/icons/" + name);
        const QImage drawn(m_drawn.filePath(name));
        QVERIFY2(!committed.isNull(), qPrintable(name + " is not in the resource bundle"));
        QVERIFY2(!drawn.isNull(), qPrintable(name + " is not drawn by the tool"));
        QCOMPARE(drawn.size(), committed.size());
        QVERIFY2(largestDifference(drawn, committed) <= 2, qPrintable(name));
    }
    const QStringList drawnGlyphs = QDir(m_drawn.path()).entryList({"*.png"}, QDir::Files);
    QCOMPARE(drawnGlyphs, QDir(sourceIcons()).entryList({"*.png"}, QDir::Files));

    for (int size : appIconSizes) {
        const QImage committed(hicolorPath(sourceIcons(), size));
        const QImage drawn(hicolorPath(m_drawn.path() + '/', size));
        QVERIFY(!drawn.isNull());
        QCOMPARE(drawn.size(), committed.size());
        QVERIFY2(largestDifference(drawn, committed) <= 2, qPrintable(QString::number(size)));
    }

    QFile committedSvg(sourceIcons() + "app/" + appIcon + ".svg");
    QFile drawnSvg(m_drawn.filePath("app/" + appIcon + ".svg"));
    QVERIFY(committedSvg.open(QIODevice::ReadOnly));
    QVERIFY(drawnSvg.open(QIODevice::ReadOnly));
    QCOMPARE(committedSvg.readAll(), drawnSvg.readAll());
}

void tst_Icons::applicationIcon()
{
    for (int size : appIconSizes) {
        const QImage image(hicolorPath(sourceIcons(), size));
        QVERIFY2(!image.isNull(), qPrintable(hicolorPath(sourceIcons(), size)));
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.hasAlphaChannel());
        // Rounded corners: the corner is clear, the middle is not.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
    }
    QCOMPARE(
            QDir(sourceIcons() + "app/hicolor").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(),
            int(std::size(appIconSizes)));

    QFile svg(sourceIcons() + "app/" + appIcon + ".svg");
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader reader(&svg);
    QVERIFY(reader.readNextStartElement());
    QCOMPARE(reader.name(), QStringLiteral("svg"));
    QCOMPARE(reader.attributes().value("viewBox"), QStringLiteral("0 0 256 256"));
    while (!reader.atEnd())
        reader.readNext();
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
}

QTEST_GUILESS_MAIN(tst_Icons)
#include "tst_icons.moc"
