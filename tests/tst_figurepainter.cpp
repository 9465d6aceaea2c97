// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClearPlaces.h"
#include "Fan.h"
#include "FigurePainter.h"
#include "VertexLabels.h"

#include <QTest>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

// Seven vertices whose four diagonals from vertex 1 are horizontal or
// vertical and whose sides run at 45 degrees or along the axes, so that
// every line's pixels can be named.
const std::vector<Point> Heptagon = {{200, 150}, {300, 50}, {300, 150}, {200, 250},
                                     {100, 150}, {200, 50}, {100, 50}};
// A square entered in order, drawn whole: its fan, then its dots.
const std::vector<Point> Square = {{20, 20}, {30, 20}, {30, 30}, {20, 30}};

QPoint pixelOf(Point p)
{
    return QPoint(int(p.x), int(p.y));
}

// The pixels of a horizontal, vertical or 45-degree segment from `from` to
// `to`, both included, one character each: '.' white, '#' black, 'r' red,
// '?' any other colour.
QString along(const QImage &picture, QPoint from, QPoint to)
{
    const QPoint step((to.x() > from.x()) - (to.x() < from.x()), (to.y() > from.y()) - (to.y() < from.y()));
    QString pixels;
    for (QPoint p = from;; p += step) {
        switch (picture.pixel(p)) {
        case qRgb(255, 255, 255): pixels += u'.'; break;
        case qRgb(0, 0, 0): pixels += u'#'; break;
        case qRgb(255, 0, 0): pixels += u'r'; break;
        default: pixels += u'?';
        }
        if (p == to)
            return pixels;
    }
}

QList<int> blackRuns(const QImage &image, QPoint from, QPoint step)
{
    QList<int> runs{0};
    for (QPoint p = from; image.rect().contains(p); p += step)
        image.pixel(p) == qRgb(0, 0, 0) ? void(++runs.last()) : runs.last() ? runs.append(0) : void();
    runs.removeAll(0);
    return runs;
}

} // namespace

class TestFigurePainter : public QObject
{
    Q_OBJECT

private slots:
    void vertices_data();
    void vertices();
    void fan_data();
    void fan();
    void numbersBesideDots_data();
    void numbersBesideDots();
    void figureAtAZoom_data();
    void figureAtAZoom();
    void lineWithin_data();
    void lineWithin();
    void vertexMoved_data();
    void vertexMoved();
    void linesEquallyWide_data();
    void linesEquallyWide();
    void clearPlace_data();
    void clearPlace();
};

void TestFigurePainter::vertices_data()
{
    QTest::addColumn<int>("marked");
    QTest::addColumn<QString>("expected"); // along row 3, from x = 0 to 14

    QTest::newRow("none marked") << -1 << ".#####.#######.";
    QTest::newRow("first marked") << 0 << ".rrrrr.#######.";
    QTest::newRow("marked dot whole over a later one") << 1 << ".#####.rrrrr##.";
    QTest::newRow("marked row beyond the last") << 3 << ".#####.#######.";
}

// Dots five pixels across, black, the marked one red over the others.
void TestFigurePainter::vertices()
{
    QFETCH(int, marked);
    Picture picture(QSize(400, 300), 1);
    FigurePainter(picture).drawVertices({{3, 3}, {9, 3}, {11, 3}}, marked);
    QTEST(along(picture.image(), QPoint(0, 3), QPoint(14, 3)), "expected");
}

void TestFigurePainter::fan_data()
{
    QTest::addColumn<bool>("square"); // else the heptagon's fan alone
    QTest::addColumn<int>("from"); // vertex numbers, from 1
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("pattern"); // from vertex `from` on, repeating: # black, . white

    QTest::newRow("side 1-2") << false << 1 << 2 << "#";
    QTest::newRow("side 2-3") << false << 2 << 3 << "#";
    QTest::newRow("side 6-7, of the last triangle") << false << 6 << 7 << "#";
    QTest::newRow("closing side 7-1") << false << 7 << 1 << "#";
    QTest::newRow("diagonal 1-3, white dashes") << false << 1 << 3 << "....##";
    QTest::newRow("diagonal 1-4, white dots") << false << 1 << 4 << ".##";
    QTest::newRow("diagonal 1-5, white dash-dots") << false << 1 << 5 << "....##.##";
    QTest::newRow("diagonal 1-6, white dashes again") << false << 1 << 6 << "....##";
    QTest::newRow("square: its dots over the diagonal's ends") << true << 1 << 3 << "##.......##";
}

// Sides solid black; diagonals white, so that on the white canvas the figure
// is its outline. On black lines laid under the diagonals first, their
// patterns show.
void TestFigurePainter::fan()
{
    QFETCH(bool, square);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, pattern);
    Picture picture(QSize(400, 300), 1);
    const QPoint first = pixelOf(Heptagon[0]);
    for (int k = 3; k <= 6 && !square; ++k)
        picture.drawLine(first, pixelOf(Heptagon[k - 1]), Picture::LineStyle::Solid, Qt::black);
    if (square)
        FigurePainter(picture).drawFigure({DrawnFigure::Base::Fan, 4, -1, nullptr}, Square);
    else
        FigurePainter(picture).drawFan(fanOf(Heptagon));

    // The end pixels are vertices, where the sides drawn after a diagonal
    // meet, or the dots lie: black.
    const std::vector<Point> &polygon = square ? Square : Heptagon;
    const QString pixels = along(picture.image(), pixelOf(polygon[from - 1]), pixelOf(polygon[to - 1]));
    const QString inside = pixels.mid(1, pixels.size() - 2);
    QCOMPARE(inside, pattern.repeated(pixels.size()).mid(1, inside.size()));
    QCOMPARE(QString(pixels.front()) + pixels.back(), QStringLiteral("##"));
}

void TestFigurePainter::numbersBesideDots_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QSizeF>("radii"); // of the ellipse they stand on, round the picture's middle
    QTest::addColumn<bool>("apart");   // whether there is room for every number
    QTest::addColumn<qreal>("lines");  // the width of the fan's lines kept clear of, if any
    QTest::newRow("one") << 1 << QSizeF(0, 0) << true << 0.0;
    QTest::newRow("in the corners") << 4 << QSizeF(327, 138) << true << 0.0;
    QTest::newRow("two close together") << 2 << QSizeF(3, 0) << true << 0.0;
    QTest::newRow("12 round the edge") << 12 << QSizeF(225, 92) << true << 0.0;
    QTest::newRow("60 round the edge, crowded at its ends") << 60 << QSizeF(225, 92) << false << 0.0;
    QTest::newRow("12 round the edge, clear of the fan's lines") << 12 << QSizeF(225, 92) << false << 3.0;
    QTest::newRow("60, clear of lines 1 px wide") << 60 << QSizeF(225, 92) << false << 1.0;
    QTest::newRow("5 flat, clear of lines 6 px wide") << 5 << QSizeF(200, 4) << false << 6.0;
}

// Each number beside its own dot, inside the picture, over no dot and no
// other number, crossed by no line; where there is no room for it, left
// out.
void TestFigurePainter::numbersBesideDots()
{
    QFETCH(int, count);
    QFETCH(QSizeF, radii);
    QFETCH(bool, apart);
    QFETCH(qreal, lines);
    const QRectF area(0, 0, 463, 196);
    const qreal radius = FigurePainter::DotWidth / 2.0;
    std::vector<QPointF> dots;
    std::vector<QSizeF> sizes;
    for (int i = 0; i < count; ++i) {
        const double angle = 2 * M_PI * (i + 0.5) / count;
        const QPointF offset(std::clamp(radii.width() * std::cos(angle), -231.0, 231.0),
                             std::clamp(radii.height() * std::sin(angle), -97.0, 97.0));
        dots.push_back(area.center() + offset);
        sizes.emplace_back(QString::number(i + 1).size() * 5, 7);
    }
    std::vector<QLineF> fan;
    for (int i = 1; lines > 0 && i < count; ++i)
        fan.insert(fan.end(), {QLineF(dots[0], dots[size_t(i)]), QLineF(dots[size_t(i - 1)], dots[size_t(i)])});
    std::vector<QRectF> places = placeVertexLabels(dots, radius, sizes, area);
    LabelRoom room(area, dots, radius, QSizeF(10, 7), fan, lines);
    for (size_t i = 0; lines > 0 && i < places.size(); ++i)
        places[i] = room.placeBeside(i, sizes[i], area);
    QCOMPARE(places.size(), sizes.size());
    for (size_t i = 0; i < places.size(); ++i) {
        if (places[i].isNull()) { // left out, where there is no room
            QVERIFY(!apart);
            continue;
        }
        QVERIFY(area.contains(places[i]));
        QCOMPARE(places[i].size(), sizes[i]);
        QVERIFY(places[i].adjusted(-2 * radius, -2 * radius, 2 * radius, 2 * radius).contains(dots[i]));
        for (QPointF dot : dots)
            QVERIFY(!places[i].intersects(QRectF(dot - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius))));
        for (size_t j = 0; j < i; ++j)
            QVERIFY(!places[i].intersects(places[j]));
        // A line crosses the number where its middle comes within half its
        // width of the number's box.
        const QRectF near = places[i].adjusted(-lines / 2, -lines / 2, lines / 2, lines / 2);
        const QLineF edges[] = {{near.topLeft(), near.topRight()}, {near.topRight(), near.bottomRight()},
                                {near.bottomRight(), near.bottomLeft()}, {near.bottomLeft(), near.topLeft()}};
        for (const QLineF &line : fan) {
            QVERIFY(!near.contains(line.p1()) && !near.contains(line.p2()));
            for (const QLineF &edge : edges)
                QVERIFY(line.intersects(edge) != QLineF::BoundedIntersection);
        }
    }
}

void TestFigurePainter::figureAtAZoom_data()
{
    QTest::addColumn<qreal>("ratio");
    for (qreal ratio : {1.25, 1.5, 2.0, 3.0})
        QTest::addRow("ratio %g", ratio) << ratio;
}

// The fan drawn at 100 % and taken over in blocks is the fan drawn line by
// line at the ratio, its dots over it.
void TestFigurePainter::figureAtAZoom()
{
    QFETCH(qreal, ratio);
    std::vector<Point> rows = Heptagon;
    rows.push_back({399, 299}); // placed after the computation, at the last pixel
    const DrawnFigure figure{DrawnFigure::Base::Fan, int(Heptagon.size()), -1, nullptr};
    Picture drawn(QSize(400, 300), ratio), expected(QSize(400, 300), ratio);
    FigurePainter(drawn).drawFigure(figure, rows);
    FigurePainter(expected).drawFan(fanOf(Heptagon));
    FigurePainter(expected).drawVertices(rows);
    QCOMPARE(drawn.image(), expected.image());
}

void TestFigurePainter::lineWithin_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("flat, rightwards") << QPoint(3, 20) << QPoint(57, 31);
    QTest::newRow("flat, leftwards and up") << QPoint(57, 31) << QPoint(3, 20);
    QTest::newRow("steep, down") << QPoint(20, 2) << QPoint(33, 58);
    QTest::newRow("steep, up and left") << QPoint(33, 58) << QPoint(20, 2);
    QTest::newRow("at 45 degrees") << QPoint(5, 55) << QPoint(55, 5);
    QTest::newRow("along a row") << QPoint(50, 30) << QPoint(4, 30);
    QTest::newRow("a point") << QPoint(30, 30) << QPoint(30, 30);
}

// A line drawn within a rectangle has there the pixels of the whole line,
// its dashes where they were, and none elsewhere.
void TestFigurePainter::lineWithin()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    for (const auto style : {Picture::LineStyle::Solid, Picture::LineStyle::Dash, Picture::LineStyle::DashDot})
        for (const QRect &within : {QRect(25, 10, 10, 40), QRect(0, 25, 60, 8), QRect(28, 28, 5, 5), QRect(0, 0, 3, 3)}) {
            Picture whole(QSize(60, 60), 1), part(QSize(60, 60), 1);
            whole.drawLine(from, to, style, Qt::black);
            part.drawLine(from, to, style, Qt::black, within);
            for (int y = 0; y < 60; ++y)
                for (int x = 0; x < 60; ++x)
                    QCOMPARE(part.image().pixel(x, y), within.contains(x, y) ? whole.image().pixel(x, y) : qRgb(255, 255, 255));
        }
}

void TestFigurePainter::vertexMoved_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("row");
    for (qreal ratio : {1.0, 1.25, 2.0})
        for (int row : {0, 1, 17, 39})
            QTest::addRow("ratio %g, row %d", ratio, row) << ratio << row;
}

// A vertex of a fan of many crossing lines of every slope moved: its lines
// drawn again within its reach, and the picture there, are to the pixel
// the figure drawn afresh.
void TestFigurePainter::vertexMoved()
{
    QFETCH(qreal, ratio);
    QFETCH(int, row);
    std::vector<Point> rows;
    for (int i = 0; i < 40; ++i)
        rows.push_back({double((i * 137) % 397), double((i * 89 + i * i) % 293)});
    const QSize size(400, 300);
    const DrawnFigure before{DrawnFigure::Base::Fan, int(rows.size()), -1, std::make_shared<const Fan>(fanOf(rows))};
    Picture lines = FigurePainter::linesOf(before, rows, size), drawn(size, ratio), expected(size, ratio);
    FigurePainter(drawn).drawFigure(before, rows, lines);

    const Point from = rows[size_t(row)];
    rows[size_t(row)] = {213, 151};
    const DrawnFigure after{DrawnFigure::Base::Fan, int(rows.size()), -1, std::make_shared<const Fan>(fanOf(rows))};
    const QRect reach = FigurePainter::reachOfMove(rows, row, from);
    lines.clear(reach);
    FigurePainter(lines, reach).drawFan(*after.fan);
    FigurePainter(drawn, reach).drawFigure(after, rows, lines);

    FigurePainter(expected).drawFigure(after, rows);
    QCOMPARE(drawn.image(), expected.image());
}

void TestFigurePainter::linesEquallyWide_data()
{
    QTest::addColumn<qreal>("ratio");
    for (int percent = 100; percent <= 300; percent += 25)
        QTest::addRow("%d %%", percent) << percent / 100.0;
}

// Lines drawn at every zoom, or taken over from 100 %, are equally wide.
void TestFigurePainter::linesEquallyWide()
{
    QFETCH(qreal, ratio);
    Picture atHundred(QSize(60, 60), 1), drawn(QSize(60, 60), ratio);
    for (Picture *picture : {&atHundred, &drawn})
        for (int at = 1; at < 30; at += 3) {
            picture->drawLine(QPointF(30, at), QPointF(59, at), Picture::LineStyle::Solid, Qt::black);
            picture->drawLine(QPointF(at, 30), QPointF(at, 59), Picture::LineStyle::Solid, Qt::black);
        }
    for (const Picture &picture : {atHundred.atRatio(ratio), drawn}) {
        const int across = int(45 * ratio); // every row and column crosses it
        const QList<int> widths = blackRuns(picture.image(), {across, 0}, {0, 1}) + blackRuns(picture.image(), {0, across}, {1, 0});
        QCOMPARE(widths.count(widths.first()), 20);
    }
}

void TestFigurePainter::clearPlace_data()
{
    QTest::addColumn<QList<QLine>>("lines"); // on 100 by 60 pixels
    QTest::addColumn<QRect>("place");        // of a 40 by 10 note, 4 pixels inside the edges and clear of lines by 4
    const QLine foot(0, 52, 99, 52), top(0, 6, 99, 6), left(30, 0, 30, 59), right(70, 0, 70, 59);
    QTest::newRow("nothing drawn: at the foot") << QList<QLine>{} << QRect(30, 46, 40, 10);
    QTest::newRow("a side along the foot: at the top") << QList<QLine>{foot} << QRect(30, 4, 40, 10);
    QTest::newRow("sides along foot and top: between") << QList<QLine>{foot, top} << QRect(30, 38, 40, 10);
    QTest::newRow("nowhere clear: the emptier foot") << QList<QLine>{top, left, right} << QRect(30, 46, 40, 10);
}

void TestFigurePainter::clearPlace()
{
    QFETCH(QList<QLine>, lines);
    Picture picture(QSize(100, 60), 1);
    for (const QLine &line : lines)
        picture.drawLine(line.p1(), line.p2(), Picture::LineStyle::Solid, Qt::black);
    const ClearPlaces places(picture, 4);
    QTEST(places.clearFor({40, 10}).value_or(places.emptierEdgeFor({40, 10})), "place");
}

QTEST_MAIN(TestFigurePainter)
#include "tst_figurepainter.moc"
