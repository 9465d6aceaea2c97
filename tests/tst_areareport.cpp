#include "BoardFixture.h"
#include "geometry/AreaReport.h"
#include "platform/Conversions.h"

#include <QPainter>
#include <QtTest>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);

// Report lines, each ended by CR LF.
QString Report(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

const QString RightTriangle = QStringLiteral("0,0 30,0 0,40");

// The board as a computing command leaves it just before the computation.
void PrepareBoard(Board &board, const QString &rows)
{
    StartBoard(board);
    SetRows(board, rows);
    board.ResetOutput();
}

// Seven vertices whose four diagonals from vertex 1 are horizontal or
// vertical and whose sides run at 45 degrees or along the axes, so that
// every line's pixels can be named.
const QString Heptagon = QStringLiteral("200,150 300,50 300,150 200,250 100,150 200,50 100,50");

struct Segment {
    QPoint from, to;
};

// The pixels strictly between the ends of a horizontal, vertical or
// 45-degree segment.
QList<QPoint> Inside(const Segment &s)
{
    const QPoint step((s.to.x() > s.from.x()) - (s.to.x() < s.from.x()),
                      (s.to.y() > s.from.y()) - (s.to.y() < s.from.y()));
    QList<QPoint> points;
    for (QPoint p = s.from + step; p != s.to; p += step)
        points << p;
    return points;
}

// '#' for every white pixel of the segment's inside, '.' for the others.
QString Pattern(const QImage &image, const Segment &s)
{
    QString pattern;
    for (QPoint p : Inside(s))
        pattern += image.pixel(p) == White ? u'#' : u'.';
    return pattern;
}

} // namespace

class TestAreaReport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void report_data();
    void report();
    void reportParts_data();
    void reportParts();
    void closedBoardIsLeftAlone();
    void appendsToExistingText();
    void sidesSolidDiagonalsWhite();
    void diagonalDashStyles();
    void measureTriangle_data();
    void measureTriangle();
};

void TestAreaReport::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestAreaReport::report_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("expected");

    const QString total0 = Report({"Лице на изпъкналия многоъгълник = 0"});
    QTest::newRow("right triangle") << "en_US" << RightTriangle
        << Report({"Върхове: 123 с координати: 0,0; 30,0; 0,40",
                   "Страни: a = 50.000; b = 40.000; c = 30.000",
                   "Лице по Херон = 600; Лице ориентирано = 600", "",
                   "Лице на изпъкналия многоъгълник = 600"});
    QTest::newRow("right triangle, decimal comma") << "bg_BG" << RightTriangle
        << Report({"Върхове: 123 с координати: 0,0; 30,0; 0,40",
                   "Страни: a = 50,000; b = 40,000; c = 30,000",
                   "Лице по Херон = 600; Лице ориентирано = 600", "",
                   "Лице на изпъкналия многоъгълник = 600"});
    QTest::newRow("square") << "en_US" << "0,0 10,0 10,10 0,10"
        << Report({"Върхове: 123 с координати: 0,0; 10,0; 10,10",
                   "Страни: a = 10.000; b = 14.142; c = 10.000",
                   "Лице по Херон = 50; Лице ориентирано = 50", "",
                   "Върхове: 134 с координати: 0,0; 10,10; 0,10",
                   "Страни: a = 10.000; b = 10.000; c = 14.142",
                   "Лице по Херон = 50; Лице ориентирано = 50", "",
                   "Лице на изпъкналия многоъгълник = 100"});
    // Heron's 123 comes out just below 4000 and is written 4000.
    QTest::newRow("rounding to 15 digits") << "en_US" << "20,10 120,10 150,90 60,130"
        << Report({"Върхове: 123 с координати: 20,10; 120,10; 150,90",
                   "Страни: a = 85.440; b = 152.643; c = 100.000",
                   "Лице по Херон = 4000; Лице ориентирано = 4000", "",
                   "Върхове: 134 с координати: 20,10; 150,90; 60,130",
                   "Страни: a = 98.489; b = 126.491; c = 152.643",
                   "Лице по Херон = 6200; Лице ориентирано = 6200", "",
                   "Лице на изпъкналия многоъгълник = 10200"});
    QTest::newRow("two vertices") << "en_US" << "10,20 50,20" << total0;
    QTest::newRow("one vertex") << "en_US" << "10,20" << total0;
    QTest::newRow("no vertices") << "en_US" << "" << total0;
}

void TestAreaReport::report()
{
    QFETCH(QString, locale);
    QFETCH(QString, rows);
    QLocale::setDefault(QLocale(locale));
    Board board;
    PrepareBoard(board, rows);

    ComputeArea(board);

    QTEST(board.Text1.Text(), "expected");
    QCOMPARE(board.Closed, true);
    QCOMPARE(board.Picture1.DrawStyle(), int(PictureBox::Solid));
    QCOMPARE(board.Picture1.DrawWidth(), 1);
    QCOMPARE(Rows(board), rows);
}

void TestAreaReport::reportParts_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QStringList>("parts");

    QTest::newRow("not convex: |D| summed") << "en_US" << "0,0 10,0 10,10 5,2 0,10"
        << QStringList{"; Лице ориентирано = 50\r\n", "; Лице ориентирано = 15\r\n",
                       "; Лице ориентирано = 25\r\n", "\r\nЛице на изпъкналия многоъгълник = 90\r\n"};
    QTest::newRow("ten vertices") << "en_US" << "0,0 40,0 70,10 90,30 100,60 95,90 80,110 50,120 20,110 5,80"
        << QStringList{"\r\n\r\nВърхове: 1910 с координати: 0,0; 20,110; 5,80\r\n"};
    QTest::newRow("Heron's last digit") << "en_US" << "170,107 300,147 249,153"
        << QStringList{"\r\nЛице по Херон = 1410.00000000001; Лице ориентирано = 1410\r\n"};
    QTest::newRow("Heron's last digit, decimal comma") << "bg_BG" << "170,107 300,147 249,153"
        << QStringList{"\r\nЛице по Херон = 1410,00000000001; Лице ориентирано = 1410\r\n"};
    // Heron's product comes out a little below zero for three points on a line.
    QTest::newRow("collinear") << "en_US" << "0,0 1,3 4,12 0,12"
        << QStringList{"\r\nЛице по Херон = 0; Лице ориентирано = 0\r\n",
                       "\r\nЛице на изпъкналия многоъгълник = 24\r\n"};
}

void TestAreaReport::reportParts()
{
    QFETCH(QString, locale);
    QFETCH(QString, rows);
    QFETCH(QStringList, parts);
    QLocale::setDefault(QLocale(locale));
    Board board;
    PrepareBoard(board, rows);

    ComputeArea(board);

    for (const QString &part : parts)
        QVERIFY2(board.Text1.Text().contains(part), qPrintable(board.Text1.Text()));
}

void TestAreaReport::closedBoardIsLeftAlone()
{
    Board board;
    PrepareBoard(board, RightTriangle);
    board.Text1.SetText(QStringLiteral("отчет"));
    board.Closed = true;
    board.Picture1.SetDrawStyle(PictureBox::Dot);
    const QImage before = board.Picture1.Image();

    ComputeArea(board);

    QCOMPARE(board.Text1.Text(), QStringLiteral("отчет"));
    QCOMPARE(board.Picture1.Image(), before);
    QCOMPARE(board.Closed, true);
    QCOMPARE(board.Picture1.DrawStyle(), int(PictureBox::Dot));
}

void TestAreaReport::appendsToExistingText()
{
    Board board;
    PrepareBoard(board, "0,0 10,0");
    board.Text1.SetText(QStringLiteral("Задача"));

    ComputeArea(board);

    QCOMPARE(board.Text1.Text(), QStringLiteral("ЗадачаЛице на изпъкналия многоъгълник = 0\r\n"));
}

void TestAreaReport::sidesSolidDiagonalsWhite()
{
    Board board;
    PrepareBoard(board, Heptagon);
    ComputeArea(board);

    const QStringList vertices = Heptagon.split(u' ');
    const auto point = [&](int vertex) {
        const QString &pair = vertices[vertex - 1];
        return QPoint(pair.section(u',', 0, 0).toInt(), pair.section(u',', 1).toInt());
    };
    for (int k = 1; k <= 7; ++k) {
        const Segment side{point(k), point(k % 7 + 1)};
        for (QPoint p : Inside(side))
            QVERIFY2(board.Picture1.Image().pixel(p) == Black, qPrintable(QStringLiteral("side %1").arg(k)));
    }
    for (int k = 3; k <= 6; ++k)
        QCOMPARE(Pattern(board.Picture1.Image(), {point(1), point(k)}), QString(99, u'#'));
    QCOMPARE(board.Picture1.DrawStyle(), int(PictureBox::Solid));
}

// On a black canvas the black sides vanish and the white diagonals show
// their dashes: dashed, dotted, dash-dotted, dashed.
void TestAreaReport::diagonalDashStyles()
{
    Board board;
    PrepareBoard(board, Heptagon);
    board.Picture1.SetBackColor(RGB(0, 0, 0));
    ComputeArea(board);

    const QList<Segment> diagonals = {{{200, 150}, {300, 150}}, {{200, 150}, {200, 250}},
                                      {{200, 150}, {100, 150}}, {{200, 150}, {200, 50}}};
    const QList<Qt::PenStyle> styles = {Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::DashLine};
    for (int i = 0; i < diagonals.size(); ++i) {
        QImage reference(400, 300, QImage::Format_RGB32);
        reference.fill(Black);
        QPainter painter(&reference);
        painter.setPen(QPen(QColor(White), 1, styles[i]));
        painter.drawLine(diagonals[i].from, diagonals[i].to);
        painter.end();
        const QString expected = Pattern(reference, diagonals[i]);
        QVERIFY(expected.contains(u'#') && expected.contains(u'.'));
        QCOMPARE(Pattern(board.Picture1.Image(), diagonals[i]), expected);
    }
    QCOMPARE(board.Picture1.DrawStyle(), int(PictureBox::Solid));
}

void TestAreaReport::measureTriangle_data()
{
    QTest::addColumn<QPointF>("A");
    QTest::addColumn<QPointF>("B");
    QTest::addColumn<QPointF>("C");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::addColumn<double>("heron");
    QTest::addColumn<double>("determinant");

    QTest::newRow("clockwise on the canvas") << QPointF(0, 0) << QPointF(30, 0) << QPointF(0, 40)
                                             << 50.0 << 40.0 << 30.0 << 600.0 << 600.0;
    QTest::newRow("anticlockwise") << QPointF(0, 0) << QPointF(0, 40) << QPointF(30, 0)
                                   << 50.0 << 30.0 << 40.0 << 600.0 << -600.0;
    QTest::newRow("collinear") << QPointF(0, 0) << QPointF(1, 3) << QPointF(4, 12)
                               << std::sqrt(90.0) << std::sqrt(160.0) << std::sqrt(10.0) << 0.0 << 0.0;
    QTest::newRow("rounding case") << QPointF(20, 10) << QPointF(120, 10) << QPointF(150, 90)
                                   << std::sqrt(7300.0) << std::sqrt(23300.0) << 100.0 << 4000.0 << 4000.0;
}

void TestAreaReport::measureTriangle()
{
    QFETCH(QPointF, A);
    QFETCH(QPointF, B);
    QFETCH(QPointF, C);
    const TriangleMeasures m = MeasureTriangle({A.x(), A.y()}, {B.x(), B.y()}, {C.x(), C.y()});
    QTEST(m.a, "a");
    QTEST(m.b, "b");
    QTEST(m.c, "c");
    QTEST(m.heron, "heron");
    QTEST(m.determinant, "determinant");
}

QTEST_MAIN(TestAreaReport)
#include "tst_areareport.moc"
