// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The presentation laid out on classroom screens: every text of a step in a
// box of its own that holds it, on the screen and over no other; step 0's
// columns in line; every vertex a step names numbered above the text.
#include "BoardFixture.h"
#include "ContourWarning.h"
#include "PresentationLayout.h"
#include "PresentationMessages.h"
#include "PresentationPicture.h"

#include <QRegularExpression>
#include <QTest>
#include <QtMath>

#include <cmath>
#include <map>
#include <numeric>
#include <set>

namespace {

const QSize Canvas(463, 196);
const QFont Face(QStringLiteral("Liberation Serif"));

// n vertices over the canvas, the last ones with three-digit coordinates.
std::vector<Point> spread(int n)
{
    std::vector<Point> vertices;
    for (int i = 0; i < n; ++i)
        vertices.push_back({double(462 - i % Canvas.width()), double(195 - (i / Canvas.width()) % Canvas.height())});
    return vertices;
}

// The text in its font needs no more than its box.
bool holds(const PlacedText &t)
{
    const QRectF needed = QFontMetricsF(t.font).boundingRect(QRectF(t.box.topLeft(), QSizeF(t.box.width(), 1e6)),
                                                             t.flags, t.text);
    return needed.width() <= t.box.width() && needed.height() <= t.box.height();
}

} // namespace

class TestPresentation : public QObject
{
    Q_OBJECT

private slots:
    void stepFitsTheScreen_data();
    void stepFitsTheScreen();
    void namedVerticesNumbered_data();
    void namedVerticesNumbered();
};

// The classroom's screens, the smallest and the largest, and one on its
// side; every count of digits in a vertex's number at its least and its
// most: the texts' widths go by those alone, the digits being of one width.
void TestPresentation::stepFitsTheScreen_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("step"); // 0 computed, 1 not computed, 2 a triangle, 3 a warned total
    for (QSize screen : {QSize(800, 600), QSize(1024, 768), QSize(1280, 800), QSize(1366, 768), QSize(1920, 1080),
                         QSize(3840, 2160), QSize(768, 1024)})
        for (int count : {3, 9, 10, 99, 100, 999, 1000, 9999, 10000, 32767})
            for (int step = 0; step < 4; ++step)
                QTest::addRow("%dx%d, %d vertices, step kind %d", screen.width(), screen.height(), count, step)
                    << screen << count << step;
}

void TestPresentation::stepFitsTheScreen()
{
    QFETCH(QSize, screen);
    QFETCH(int, count);
    QFETCH(int, step);
    const PresentationLayout layout(screen, Face, Canvas);
    const std::vector<Point> vertices = spread(count);
    ContourProblem warned;
    for (int inner = count / 3; inner < count; ++inner)
        warned.innerVertices.push_back(inner);
    const FanTriangle far{count - 1, vertices.front(), {0, 1}, {1, 194}, measureTriangle(vertices.front(), {0, 1}, {1, 194})};
    const StepText text
        = step < 2  ? layout.verticesStep(vertices, step == 0)
          : step == 2 ? layout.lines(Messages::triangleStep(far, count - 3, count - 2, 90090.5))
                      : layout.lines({QStringLiteral("Сборът на |D| = 90090.5"), contourWarning(warned).trimmed()});
    const KeysRow keys = layout.keys(QString::number(count - 2));
    std::vector<PlacedText> placed = text.placed;
    for (const std::optional<PlacedText> &key : {keys.typed, keys.keys})
        if (key)
            placed.push_back(*key);
    QVERIFY(keys.typed);
    for (size_t i = 0; i < placed.size(); ++i) {
        QVERIFY2(holds(placed[i]), qPrintable(placed[i].text));
        QVERIFY(QRectF(QPointF(), screen).contains(placed[i].box));
        QVERIFY(!placed[i].box.intersects(layout.labelArea()));
        for (size_t j = 0; j < i; ++j)
            QVERIFY2(!placed[i].box.intersects(placed[j].box), qPrintable(placed[i].text + " / " + placed[j].text));
    }
    if (step >= 2)
        return;
    // The grid: each row's cells at the first of the columns' left edges.
    std::set<qreal> columns;
    for (const PlacedText &t : text.placed)
        columns.insert(t.box.left());
    std::map<qreal, std::vector<qreal>> rows;
    for (const PlacedText &t : text.placed)
        rows[t.box.top()].push_back(t.box.left());
    for (const auto &[top, lefts] : rows)
        QVERIFY(std::equal(lefts.begin(), lefts.end(), columns.begin()));
    // Those listed and those counted are all of them.
    const QRegularExpressionMatch more = QRegularExpression(QStringLiteral("… и още (\\d+)")).match(text.lines.join(u'\t'));
    QCOMPARE(text.listedVertices + (more.hasMatch() ? more.captured(1).toInt() : 0), count);
    QCOMPARE(text.lines.join(u'\t').count(QRegularExpression(QStringLiteral("\\b\\d+ \\(\\d+; \\d+\\)"))), text.listedVertices);
}

void TestPresentation::namedVerticesNumbered_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QString>("board"); // rows of "x,y"
    QString ellipse12, ellipse92, full;
    for (int i = 0; i < 92; ++i) {
        const double angle = 2 * M_PI * i / 92 - M_PI / 2;
        ellipse92 += QStringLiteral("%1,%2 ").arg(qRound(200 + 195 * std::cos(angle))).arg(qRound(150 + 149 * std::sin(angle)));
        if (i % 8 == 0)
            ellipse12 += QStringLiteral("%1,%2 ").arg(qRound(200 + 190 * std::cos(angle))).arg(qRound(150 + 80 * std::sin(angle)));
    }
    for (int i = 0; i < 32767; ++i)
        full += QStringLiteral("%1,%2 ").arg(i % 400).arg(i / 400);
    for (QSize screen : {QSize(1024, 768), QSize(1366, 768), QSize(1920, 1080)}) {
        const QString size = QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height());
        QTest::newRow(qPrintable(size + ", 12 round an ellipse")) << screen << ellipse12.trimmed();
        QTest::newRow(qPrintable(size + ", 92 round one touching the edges")) << screen << ellipse92.trimmed();
        QTest::newRow(qPrintable(size + ", one inside four")) << screen << QStringLiteral("10,10 390,20 200,150 380,290 20,280");
        QTest::newRow(qPrintable(size + ", 32,767 in rows")) << screen << full.trimmed();
    }
}

// Step 0's, a triangle's at each end and in the middle, the warning's.
void TestPresentation::namedVerticesNumbered()
{
    QFETCH(QSize, screen);
    QFETCH(QString, board);
    TestedBoard tested;
    setRows(tested, board);
    tested.connectInOrder();
    const int n = int(tested.points().size());
    const PresentationLayout layout(screen, Face, TestedBoard::Size);
    PresentationPicture picture;
    picture.draw(tested, layout, screen, 1, Face);
    std::vector<int> listed(size_t(layout.verticesStep(tested.points(), true).listedVertices));
    std::iota(listed.begin(), listed.end(), 1);
    for (const std::vector<int> &named : {listed, {1, 2, 3}, {1, n / 2, n / 2 + 1}, {1, n - 1, n},
                                          namedVertices(contourProblem(tested.points()))}) {
        const auto places = picture.placesOf(named);
        QCOMPARE(int(places.size()), int(named.size()));
        for (size_t i = 0; i < places.size(); ++i) {
            QCOMPARE(places[i].number, named[i]);
            QVERIFY(layout.labelArea().contains(places[i].box));
            QVERIFY(!places[i].box.isEmpty());
        }
    }
}

QTEST_MAIN(TestPresentation)
#include "tst_presentation.moc"
