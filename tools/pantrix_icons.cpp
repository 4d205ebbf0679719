// Draws every icon of the program: the in-app glyphs (white on transparent)
// and the application icon, as an SVG and as PNGs in the freedesktop hicolor
// layout. The committed files under icons/ are this tool's output.
//
//     pantrix_icons <icon directory> [--preview <directory>]
//
// writes <icon directory>/<name>.png, <icon directory>/app/org.orvelle.Pantrix.svg
// and <icon directory>/app/hicolor/<N>x<N>/apps/org.orvelle.Pantrix.png. The
// preview directory gets enlarged copies to look at: the glyphs on the
// header colour, the application icon on grey. With --check nothing is
// written: the directory must hold exactly the files the tool would write,
// each as it would write it.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

// In-app glyphs. Coordinates are pixels of the icon; a pixel's centre lies at
// .5, so a 2 px line on an integer coordinate has sharp edges.

QPen glyphPen(qreal pWidth, Qt::PenCapStyle pCap = Qt::RoundCap)
{
    QPen pen(Qt::white, pWidth);
    pen.setCapStyle(pCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// A window: a 2 px frame with a 4 px title bar.
QPainterPath windowFrame(const QRectF &pOuter)
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addRect(pOuter);
    path.addRect(pOuter.adjusted(2, 4, -2, -2));
    return path;
}

void drawDashboard(QPainter &pPainter)
{
    const QRectF back(8, 3, 14, 12);
    const QRectF front(3, 10, 14, 12);
    pPainter.fillPath(windowFrame(back), Qt::white);
    // The front window hides the back one, with a 1 px gap around it.
    pPainter.setCompositionMode(QPainter::CompositionMode_Clear);
    pPainter.fillRect(front.adjusted(-1, -1, 1, 1), Qt::transparent);
    pPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    pPainter.fillPath(windowFrame(front), Qt::white);
}

void drawQuit(QPainter &pPainter)
{
    pPainter.setPen(glyphPen(2.5));
    pPainter.drawLine(QPointF(6, 6), QPointF(19, 19));
    pPainter.drawLine(QPointF(19, 6), QPointF(6, 19));
}

void drawBack(QPainter &pPainter)
{
    QPainterPath shaft;
    shaft.moveTo(19, 21);
    shaft.lineTo(19, 13.5);
    shaft.quadTo(19, 8, 13.5, 8);
    shaft.lineTo(6, 8);
    QPainterPath head;
    head.moveTo(10.5, 3.5);
    head.lineTo(6, 8);
    head.lineTo(10.5, 12.5);
    pPainter.setPen(glyphPen(2.5));
    pPainter.drawPath(shaft);
    pPainter.drawPath(head);
}

void drawEdit(QPainter &pPainter)
{
    // Drawn lying along the x axis, point to the left, then turned so that
    // the point is at the lower left.
    pPainter.translate(12.5, 12.5);
    pPainter.rotate(-45);
    QPainterPath tip;
    tip.moveTo(-6.5, -3.5);
    tip.lineTo(-13, 0);
    tip.lineTo(-6.5, 3.5);
    tip.closeSubpath();
    pPainter.fillPath(tip, Qt::white);
    pPainter.fillRect(QRectF(-5, -3.5, 12, 7), Qt::white);
    QPainterPath eraser;
    eraser.addRoundedRect(QRectF(8.5, -3.5, 4.5, 7), 1.5, 1.5);
    pPainter.fillPath(eraser, Qt::white);
}

void drawDelete(QPainter &pPainter)
{
    pPainter.setPen(glyphPen(2, Qt::FlatCap));
    pPainter.drawLine(QPointF(4, 6), QPointF(21, 6));
    pPainter.drawPolyline(QPolygonF({{10, 6}, {10, 3}, {15, 3}, {15, 6}}));
    pPainter.setPen(glyphPen(2, Qt::SquareCap));
    pPainter.drawPolyline(QPolygonF({{6, 10}, {7.5, 21}, {17.5, 21}, {19, 10}}));
    pPainter.drawLine(QPointF(10, 12), QPointF(10, 18));
    pPainter.drawLine(QPointF(15, 12), QPointF(15, 18));
}

void drawMenuArrow(QPainter &pPainter)
{
    QPainterPath path;
    path.moveTo(0, 0);
    path.lineTo(10, 0);
    path.lineTo(5, 5);
    path.closeSubpath();
    pPainter.fillPath(path, Qt::white);
}

struct Glyph
{
    const char *name;
    int width;
    int height;
    void (*draw)(QPainter &);
};

const Glyph glyphs[] = {
        {"dashboard-button", 25, 25, drawDashboard}, {"quit-button", 25, 25, drawQuit},
        {"back-button", 25, 25, drawBack},           {"edit-button", 25, 25, drawEdit},
        {"delete-button", 25, 25, drawDelete},       {"menu-arrow", 10, 5, drawMenuArrow},
};

// Every pixel becomes pure white; only the alpha of the drawing is kept.
QImage whiteOnly(const QImage &pImage)
{
    QImage image = pImage.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgba(255, 255, 255, qAlpha(line[x]));
    }
    return image;
}

QImage drawGlyph(const Glyph &pGlyph)
{
    QImage image(pGlyph.width, pGlyph.height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    pGlyph.draw(painter);
    painter.end();
    return whiteOnly(image);
}

// The application icon: a rounded square in the header blue holding a white
// shopping cart with two list lines in its basket. One description, in a
// 256-unit square, makes both the SVG and the PNGs.

const char *const appIconName = "org.orvelle.Pantrix";
const QColor appTop("#647599");
const QColor appBottom("#445579");
const QRectF appSquare(16, 16, 224, 224);
const qreal appCorner = 48;

struct AppStroke
{
    QColor colour;
    qreal width;
    std::vector<QPointF> points;
};

struct AppDisc
{
    QPointF centre;
    qreal radius;
};

const std::vector<AppStroke> appStrokes = {
        // handle and basket
        {Qt::white, 16, {{50, 60}, {78, 60}, {104, 158}, {186, 158}, {206, 92}, {86, 92}}},
        // the list lines in the basket
        {QColor("#A4B5D9"), 12, {{110, 116}, {184, 116}}},
        {QColor("#A4B5D9"), 12, {{116, 138}, {176, 138}}},
};

const std::vector<AppDisc> appDiscs = {{{112, 190}, 15}, {{180, 190}, 15}};

QString number(qreal pValue)
{
    return QString::number(pValue, 'g', 6);
}

QString appIconSvg()
{
    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\""
        << " viewBox=\"0 0 256 256\">\n"
        << "  <defs>\n"
        << "    <linearGradient id=\"background\" gradientUnits=\"userSpaceOnUse\""
        << " x1=\"0\" y1=\"" << number(appSquare.top()) << "\" x2=\"0\" y2=\""
        << number(appSquare.bottom()) << "\">\n"
        << "      <stop offset=\"0\" stop-color=\"" << appTop.name() << "\"/>\n"
        << "      <stop offset=\"1\" stop-color=\"" << appBottom.name() << "\"/>\n"
        << "    </linearGradient>\n"
        << "  </defs>\n"
        << "  <rect x=\"" << number(appSquare.x()) << "\" y=\"" << number(appSquare.y())
        << "\" width=\"" << number(appSquare.width()) << "\" height=\""
        << number(appSquare.height()) << "\" rx=\"" << number(appCorner) << "\" ry=\""
        << number(appCorner) << "\" fill=\"url(#background)\"/>\n";
    for (const AppStroke &stroke : appStrokes) {
        out << "  <path d=\"";
        for (size_t i = 0; i < stroke.points.size(); ++i)
            out << (i == 0 ? "M" : " L") << number(stroke.points[i].x()) << ' '
                << number(stroke.points[i].y());
        out << "\" fill=\"none\" stroke=\"" << stroke.colour.name() << "\" stroke-width=\""
            << number(stroke.width) << "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n";
    }
    for (const AppDisc &disc : appDiscs)
        out << "  <circle cx=\"" << number(disc.centre.x()) << "\" cy=\"" << number(disc.centre.y())
            << "\" r=\"" << number(disc.radius) << "\" fill=\"#ffffff\"/>\n";
    out << "</svg>\n";
    return svg;
}

QImage drawAppIcon(int pSize)
{
    QImage image(pSize, pSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pSize / 256.0, pSize / 256.0);
    QLinearGradient gradient(0, appSquare.top(), 0, appSquare.bottom());
    gradient.setColorAt(0, appTop);
    gradient.setColorAt(1, appBottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawRoundedRect(appSquare, appCorner, appCorner);
    painter.setBrush(Qt::NoBrush);
    for (const AppStroke &stroke : appStrokes) {
        QPen pen = glyphPen(stroke.width);
        pen.setColor(stroke.colour);
        painter.setPen(pen);
        painter.drawPolyline(stroke.points.data(), int(stroke.points.size()));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (const AppDisc &disc : appDiscs)
        painter.drawEllipse(disc.centre, disc.radius, disc.radius);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

const int appIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// An enlarged copy on the header colour, each pixel a block.
QImage preview(const QImage &pImage, int pFactor, const QColor &pBackground)
{
    QImage large(pImage.size() * pFactor, QImage::Format_ARGB32_Premultiplied);
    large.fill(pBackground);
    QPainter painter(&large);
    painter.drawImage(large.rect(), pImage);
    return large;
}

bool checking = false;
int filesMade = 0;

bool differs(const QString &pPath)
{
    QTextStream(stderr) << "pantrix_icons: " << pPath << " is not what the tool draws\n";
    return false;
}

bool save(const QImage &pImage, const QString &pPath)
{
    ++filesMade;
    if (checking) {
        // Within 2 levels of 255: the raster engine rounds antialiased edges
        // differently on another processor.
        const QImage drawn = pImage.convertToFormat(QImage::Format_ARGB32);
        const QImage stored = QImage(pPath).convertToFormat(drawn.format());
        const auto near = [](uchar pA, uchar pB) { return qAbs(pA - pB) <= 2; };
        return (stored.size() == drawn.size()
                && std::equal(drawn.constBits(), drawn.constBits() + drawn.sizeInBytes(),
                              stored.constBits(), near))
                || differs(pPath);
    }
    if (!QDir().mkpath(QFileInfo(pPath).path()) || !pImage.save(pPath, "PNG")) {
        QTextStream(stderr) << "pantrix_icons: cannot write " << pPath << '\n';
        return false;
    }
    return true;
}

bool saveText(const QString &pText, const QString &pPath)
{
    ++filesMade;
    if (checking) {
        QFile stored(pPath);
        return (stored.open(QIODevice::ReadOnly) && stored.readAll() == pText.toUtf8())
                || differs(pPath);
    }
    QSaveFile file(pPath);
    if (!QDir().mkpath(QFileInfo(pPath).path()) || !file.open(QIODevice::WriteOnly)
        || file.write(pText.toUtf8()) < 0 || !file.commit()) {
        QTextStream(stderr) << "pantrix_icons: cannot write " << pPath << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Draws the program's icons.");
    parser.addHelpOption();
    parser.addPositionalArgument("directory", "Where the icons go (the source tree's icons/).");
    const QCommandLineOption previewOption("preview", "Also write enlarged copies here.",
                                           "directory");
    parser.addOption(previewOption);
    const QCommandLineOption checkOption("check", "Only check that the directory holds them.");
    parser.addOption(checkOption);
    parser.process(app);
    checking = parser.isSet(checkOption);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(1);

    const QDir out(parser.positionalArguments().constFirst());
    const QString previewDir = parser.value(previewOption);
    bool ok = true;

    for (const Glyph &glyph : glyphs) {
        const QImage image = drawGlyph(glyph);
        const QString file = QString::fromLatin1(glyph.name) + ".png";
        ok = save(image, out.filePath(file)) && ok;
        if (!previewDir.isEmpty())
            ok = save(preview(image, 8, appBottom), QDir(previewDir).filePath(file)) && ok;
    }

    const QString appName = QString::fromLatin1(appIconName);
    ok = saveText(appIconSvg(), out.filePath("app/" + appName + ".svg")) && ok;
    for (int size : appIconSizes) {
        const QImage image = drawAppIcon(size);
        const QString dir = QString("%1x%1").arg(size);
        ok = save(image, out.filePath("app/hicolor/" + dir + "/apps/" + appName + ".png")) && ok;
        if (!previewDir.isEmpty())
            ok = save(preview(image, qMax(1, qMin(8, 512 / size)), Qt::lightGray),
                      QDir(previewDir).filePath(appName + "-" + dir + ".png"))
                    && ok;
    }
    if (checking) {
        int stored = 0;
        for (QDirIterator it(out.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();
             it.next())
            ++stored;
        if (stored != filesMade) {
            QTextStream(stderr) << "pantrix_icons: " << out.path() << " holds " << stored
                                << " files, the tool draws " << filesMade << '\n';
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
