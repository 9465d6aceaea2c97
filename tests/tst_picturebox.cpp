#include "platform/CanvasWidget.h"
#include "platform/Conversions.h"
#include "platform/PictureBox.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);

// One text line per pixel row of `area`: '#' where something other than
// white was drawn.
QStringList drawnIn(const QImage &image, const QRect &area)
{
    QStringList rows;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QString row;
        for (int x = area.left(); x <= area.right(); ++x)
            row += image.pixel(x, y) == White ? u'.' : u'#';
        rows << row;
    }
    return rows;
}

QStringList drawnAround(const QImage &image, QPoint centre, int radius)
{
    return drawnIn(image, QRect(centre - QPoint(radius, radius), QSize(2 * radius + 1, 2 * radius + 1)));
}

QString drawnAlong(const QImage &image, int y, int length)
{
    return drawnIn(image, QRect(0, y, length, 1)).first();
}

} // namespace

class TestPictureBox : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void dotShape_data();
    void dotShape();
    void dotColour_data();
    void dotColour();
    void lineIncludesEndPoints_data();
    void lineIncludesEndPoints();
    void lineStyle_data();
    void lineStyle();
    void dashStylesDiffer();
    void erase_data();
    void erase();
    void mouseDown_data();
    void mouseDown();
    void canvasShowsDrawing();
    void drawingSurvivesResize();
    void highDpiPictureKeepsLogicalCoordinates();

private:
    PictureBox *m_box = nullptr;
};

void TestPictureBox::init()
{
    m_box = new PictureBox;
    m_box->Resize(QSize(80, 40), 1.0);
}

void TestPictureBox::cleanup()
{
    delete m_box;
}

void TestPictureBox::dotShape_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("width 1") << 1
                             << QStringList{".......", ".......", ".......", "...#...", ".......",
                                            ".......", "......."};
    QTest::newRow("width 5") << 5
                             << QStringList{".......", "..###..", ".#####.", ".#####.", ".#####.",
                                            "..###..", "......."};
}

void TestPictureBox::dotShape()
{
    QFETCH(int, width);
    QFETCH(QStringList, expected);
    m_box->SetDrawWidth(width);
    m_box->PSet(10, 10);
    QCOMPARE(drawnAround(m_box->Image(), QPoint(10, 10), 3), expected);
}

void TestPictureBox::dotColour_data()
{
    QTest::addColumn<bool>("colourGiven");
    QTest::addColumn<qint32>("colour");
    QTest::addColumn<QRgb>("expected");

    QTest::newRow("fore colour") << false << 0 << Black;
    QTest::newRow("red") << true << RGB(255, 0, 0) << qRgb(255, 0, 0);
    QTest::newRow("blue") << true << RGB(0, 0, 255) << qRgb(0, 0, 255);
    QTest::newRow("mixed") << true << RGB(10, 20, 30) << qRgb(10, 20, 30);
}

void TestPictureBox::dotColour()
{
    QFETCH(bool, colourGiven);
    QFETCH(qint32, colour);
    QFETCH(QRgb, expected);
    m_box->SetDrawWidth(5);
    if (colourGiven) {
        m_box->PSet(10, 10, colour);
        m_box->Line(20, 5, 30, 5, colour);
    } else {
        m_box->PSet(10, 10);
        m_box->Line(20, 5, 30, 5);
    }
    QCOMPARE(m_box->Image().pixel(10, 10), expected);
    QCOMPARE(m_box->Image().pixel(25, 5), expected);
}

void TestPictureBox::lineIncludesEndPoints_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");

    QTest::newRow("right") << QPoint(10, 10) << QPoint(20, 10);
    QTest::newRow("left") << QPoint(20, 10) << QPoint(10, 10);
    QTest::newRow("down") << QPoint(10, 5) << QPoint(10, 25);
    QTest::newRow("up") << QPoint(10, 25) << QPoint(10, 5);
    QTest::newRow("diagonal") << QPoint(10, 10) << QPoint(20, 20);
    QTest::newRow("steep") << QPoint(30, 30) << QPoint(27, 5);
    QTest::newRow("enters from outside") << QPoint(-10, 10) << QPoint(20, 10);
    QTest::newRow("leaves the picture") << QPoint(10, 30) << QPoint(10, 60);
}

void TestPictureBox::lineIncludesEndPoints()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    m_box->Line(from.x(), from.y(), to.x(), to.y());
    const QImage &image = m_box->Image();
    // An end outside the picture: the line is drawn up to the edge.
    const auto clamped = [&](QPoint p) {
        return QPoint(qBound(0, p.x(), image.width() - 1), qBound(0, p.y(), image.height() - 1));
    };
    QCOMPARE(image.pixel(clamped(from)), Black);
    QCOMPARE(image.pixel(clamped(to)), Black);
    // One step beyond each end along the major axis stays white.
    const QPoint delta = to - from;
    const QPoint step = qAbs(delta.x()) >= qAbs(delta.y()) ? QPoint(delta.x() > 0 ? 1 : -1, 0)
                                                           : QPoint(0, delta.y() > 0 ? 1 : -1);
    for (const QPoint beyond : {from - step, to + step})
        if (image.valid(beyond))
            QCOMPARE(image.pixel(beyond), White);
}

void TestPictureBox::lineStyle_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("solid");

    QTest::newRow("solid") << 1 << int(PictureBox::Solid) << true;
    QTest::newRow("dash") << 1 << int(PictureBox::Dash) << false;
    QTest::newRow("dot") << 1 << int(PictureBox::Dot) << false;
    QTest::newRow("dash-dot") << 1 << int(PictureBox::DashDot) << false;
    QTest::newRow("wide dash is solid") << 3 << int(PictureBox::Dash) << true;
    QTest::newRow("wide dot is solid") << 5 << int(PictureBox::Dot) << true;
}

void TestPictureBox::lineStyle()
{
    QFETCH(int, width);
    QFETCH(int, style);
    QFETCH(bool, solid);
    m_box->SetDrawWidth(width);
    m_box->SetDrawStyle(style);
    m_box->Line(0, 20, 79, 20);
    const QString drawn = drawnAlong(m_box->Image(), 20, 80);
    QCOMPARE(drawn.contains(u'.'), !solid);
    QVERIFY2(drawn.count(u'#') >= 20, qPrintable(drawn)); // visible, not blank
}

void TestPictureBox::dashStylesDiffer()
{
    QStringList patterns;
    for (int style : {PictureBox::Dash, PictureBox::Dot, PictureBox::DashDot}) {
        m_box->SetDrawStyle(style);
        m_box->Line(0, 10 * style, 79, 10 * style);
        patterns << drawnAlong(m_box->Image(), 10 * style, 80);
    }
    QVERIFY2(patterns[0] != patterns[1] && patterns[1] != patterns[2] && patterns[0] != patterns[2],
             qPrintable(patterns.join(u'\n')));
}

void TestPictureBox::erase_data()
{
    QTest::addColumn<bool>("newColour");
    QTest::addColumn<qint32>("colour");

    QTest::newRow("Cls") << false << RGB(255, 255, 255);
    QTest::newRow("BackColor") << true << RGB(0, 128, 255);
}

void TestPictureBox::erase()
{
    QFETCH(bool, newColour);
    QFETCH(qint32, colour);
    m_box->SetDrawWidth(5);
    m_box->PSet(10, 10);
    m_box->Line(0, 0, 79, 39, RGB(255, 0, 0));
    if (newColour)
        m_box->SetBackColor(colour);
    else
        m_box->Cls();

    QImage expected(m_box->Image().size(), m_box->Image().format());
    expected.fill(qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
    QCOMPARE(m_box->Image(), expected);
}

void TestPictureBox::mouseDown_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QList<QVariant>>("expected"); // button, shift, x, y; empty: no event

    const Qt::KeyboardModifiers none;
    const auto down = [](int button, int shift, float x, float y) {
        return QList<QVariant>{button, shift, x, y};
    };
    QTest::newRow("inner top-left") << QPoint(2, 2) << Qt::LeftButton << none << down(1, 0, 0, 0);
    QTest::newRow("inner bottom-right") << QPoint(464, 197) << Qt::LeftButton << none
                                        << down(1, 0, 462, 195);
    QTest::newRow("right button") << QPoint(12, 7) << Qt::RightButton << none << down(2, 0, 10, 5);
    QTest::newRow("middle button") << QPoint(12, 7) << Qt::MiddleButton << none << down(4, 0, 10, 5);
    QTest::newRow("shift") << QPoint(12, 7) << Qt::LeftButton
                           << Qt::KeyboardModifiers(Qt::ShiftModifier) << down(1, 1, 10, 5);
    QTest::newRow("ctrl") << QPoint(12, 7) << Qt::LeftButton
                          << Qt::KeyboardModifiers(Qt::ControlModifier) << down(1, 2, 10, 5);
    QTest::newRow("alt") << QPoint(12, 7) << Qt::LeftButton << Qt::KeyboardModifiers(Qt::AltModifier)
                         << down(1, 4, 10, 5);
    QTest::newRow("shift+ctrl, right")
        << QPoint(12, 7) << Qt::RightButton
        << Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::ControlModifier) << down(2, 3, 10, 5);
    QTest::newRow("border top-left") << QPoint(1, 1) << Qt::LeftButton << none << QList<QVariant>{};
    QTest::newRow("border right") << QPoint(465, 100) << Qt::LeftButton << none << QList<QVariant>{};
    QTest::newRow("border bottom") << QPoint(100, 198) << Qt::LeftButton << none << QList<QVariant>{};
}

void TestPictureBox::mouseDown()
{
    QFETCH(QPoint, at);
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QList<QVariant>, expected);

    CanvasWidget *canvas = m_box->widget();
    canvas->setFixedSize(467, 200);
    canvas->show();
    QVERIFY(QTest::qWaitForWindowExposed(canvas));
    QCOMPARE(m_box->Size(), QSize(463, 196));

    QSignalSpy spy(m_box, &PictureBox::MouseDown);
    QTest::mousePress(canvas, button, modifiers, at);
    QCOMPARE(spy.size(), expected.isEmpty() ? 0 : 1);
    if (!expected.isEmpty())
        QCOMPARE(spy.first(), expected);
}

void TestPictureBox::canvasShowsDrawing()
{
    CanvasWidget *canvas = m_box->widget();
    canvas->setFixedSize(467, 200);
    canvas->show();
    QVERIFY(QTest::qWaitForWindowExposed(canvas));
    m_box->SetDrawWidth(5);
    m_box->PSet(10, 10, RGB(255, 0, 0));
    QCoreApplication::processEvents();
    const QImage shown = canvas->grab().toImage();
    QCOMPARE(shown.pixel(12, 12), qRgb(255, 0, 0)); // inside the 2-px border
    QCOMPARE(shown.pixel(12 + 4, 12), White);
}

void TestPictureBox::drawingSurvivesResize()
{
    CanvasWidget *canvas = m_box->widget();
    canvas->setFixedSize(200, 100);
    canvas->show();
    QVERIFY(QTest::qWaitForWindowExposed(canvas));
    m_box->SetDrawWidth(5);
    m_box->PSet(10, 10);
    m_box->SetDrawWidth(1);
    m_box->Line(0, 90, 150, 90);
    canvas->setFixedSize(467, 200);
    QCoreApplication::processEvents();

    const QImage &image = m_box->Image();
    QCOMPARE(m_box->Size(), QSize(463, 196));
    QCOMPARE(image.pixel(10, 10), Black);
    QCOMPARE(image.pixel(150, 90), Black);
    QCOMPARE(image.pixel(300, 150), White); // the new area is blank
}

// At two device pixels to the logical pixel the picture has twice the
// pixels, and dots and lines keep their logical size and place.
void TestPictureBox::highDpiPictureKeepsLogicalCoordinates()
{
    m_box->Resize(QSize(80, 40), 2.0);
    QCOMPARE(m_box->Image().size(), QSize(160, 80));
    m_box->SetDrawWidth(5);
    m_box->PSet(10, 10);
    m_box->SetDrawWidth(1);
    m_box->Line(0, 30, 40, 30);
    const QImage &image = m_box->Image();
    QCOMPARE(image.pixel(21, 21), Black);          // the dot's centre
    QCOMPARE(image.pixel(21 - 4, 21), Black);      // ten device pixels across
    QCOMPARE(image.pixel(21 + 5, 21), White);
    for (const QPoint p : {QPoint(0, 60), QPoint(81, 61), QPoint(80, 60)})
        QCOMPARE(image.pixel(p), Black);           // the line: two device pixels thick
    QCOMPARE(image.pixel(82, 60), White);
    QCOMPARE(image.pixel(40, 62), White);
}

QTEST_MAIN(TestPictureBox)
#include "tst_picturebox.moc"
