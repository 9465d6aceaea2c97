// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardFixture.h"
#include "Canvas.h"
#include "FigurePainter.h"
#include "Picture.h"

#include <QClipboard>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <memory>

using Drawing = std::function<QRect(Picture &)>;
Q_DECLARE_METATYPE(Drawing)

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Red = qRgb(255, 0, 0);
const QSize Small(80, 40);
constexpr double Huge = 1e10; // beyond the range of int
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Infinity = std::numeric_limits<double>::infinity();

Drawing dot(QPointF centre, QRgb colour = Black)
{
    return [=](Picture &p) { return p.drawDot(centre, 5, colour); };
}

Drawing line(QPointF from, QPointF to, Picture::LineStyle style = Picture::LineStyle::Solid, QRgb colour = Black)
{
    return [=](Picture &p) { return p.drawLine(from, to, style, colour); };
}

// A logical pixel's colour: its ink when at least half its device pixels
// have it, so that a figure reads the same at every ratio.
QRgb pixelAt(const QImage &picture, int x, int y)
{
    const qreal ratio = picture.devicePixelRatio();
    const auto first = [ratio](int logical) { return int(std::ceil(logical * ratio - 0.5)); };
    int pixels = 0, inked = 0;
    QRgb ink = White;
    for (int j = first(y); j < first(y + 1); ++j)
        for (int i = first(x); i < first(x + 1); ++i, ++pixels)
            if (const QRgb pixel = picture.pixel(i, j); pixel != White)
                ink = pixel, ++inked;
    return 2 * inked >= pixels ? ink : White;
}

// One text line per logical pixel row of `area`: '.' for white, '#' for
// `ink`, '?' for any other colour.
QStringList drawnIn(const QImage &picture, const QRect &area, QRgb ink = Black)
{
    QStringList rows;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QString row;
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = pixelAt(picture, x, y);
            row += pixel == White ? u'.' : pixel == ink ? u'#' : u'?';
        }
        rows << row;
    }
    return rows;
}

// The canvas's picture as Ctrl+C copies it.
QImage copiedPicture(Canvas &canvas)
{
    QTest::keyClick(&canvas, Qt::Key_C, Qt::ControlModifier);
    return QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestCanvas : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase_data();
    void init();
    void dotShape_data();
    void dotShape();
    void lineEnds_data();
    void lineEnds();
    void lineStyle_data();
    void lineStyle();
    void nothingDrawn_data();
    void nothingDrawn();
    void press_data();
    void press();
    void screenShowsPicture_data();
    void screenShowsPicture();
    void pictureSurvivesResize();
    void pictureAtScreenRatio();
    void figureFollowsBoard_data();
    void figureFollowsBoard();
    void pointerAfterZoom_data();
    void pointerAfterZoom();

private:
    Picture m_picture;
    std::unique_ptr<TestedBoard> m_board; // followed by the canvas, for those tests that want it
    std::unique_ptr<Canvas> m_canvas;
};

// Every figure the same at the ratios of screens and of a projector.
void TestCanvas::initTestCase_data()
{
    QTest::addColumn<qreal>("ratio");
    for (qreal ratio : {1.0, 1.5, 2.0})
        QTest::addRow("ratio %g", ratio) << ratio;
}

// A picture of 80 by 40 logical pixels, and a canvas of that inner size,
// shown, since a hidden widget gets its new size only when shown.
void TestCanvas::init()
{
    QFETCH_GLOBAL(qreal, ratio);
    m_picture = Picture(Small, ratio);
    m_canvas.reset();
    m_board = std::make_unique<TestedBoard>();
    m_canvas = std::make_unique<Canvas>();
    m_canvas->resize(Small + QSize(4, 4));
    m_canvas->setAttribute(Qt::WA_DontShowOnScreen);
    m_canvas->show();
}

void TestCanvas::dotShape_data()
{
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<int>("width");
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("width 1") << QPointF(10, 10) << 1 << Black << QRect(9, 9, 3, 3)
                             << QStringList{"...", ".#.", "..."};
    QTest::newRow("width 5: round, centred, in its colour")
        << QPointF(10, 10) << 5 << qRgb(10, 20, 30) << QRect(7, 7, 7, 7) // three pixels around
        << QStringList{".......", "..###..", ".#####.", ".#####.", ".#####.", "..###..", "......."};
    QTest::newRow("top-left corner") << QPointF(0, 0) << 5 << Black << QRect(0, 0, 4, 4)
                                     << QStringList{"###.", "###.", "##..", "...."};
    QTest::newRow("bottom-right corner") << QPointF(79, 39) << 5 << Black << QRect(76, 36, 4, 4)
                                         << QStringList{"....", "..##", ".###", ".###"};
    QTest::newRow("just touching the left edge") << QPointF(-2, 10) << 5 << Black << QRect(0, 7, 2, 7)
                                                 << QStringList{"..", "..", "#.", "#.", "#.", "..", ".."};
}

void TestCanvas::dotShape()
{
    QFETCH(QPointF, centre);
    QFETCH(int, width);
    QFETCH(QRgb, colour);
    QFETCH(QRect, area);
    m_picture.drawDot(centre, width, colour);
    QTEST(drawnIn(m_picture.image(), area, colour), "expected");
}

void TestCanvas::lineEnds_data()
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
    QTest::newRow("down the last column to the last row") << QPoint(79, 0) << QPoint(79, 39);
    QTest::newRow("up and left from the last pixel") << QPoint(79, 39) << QPoint(40, 20);
    QTest::newRow("from a pixel beyond the right edge") << QPoint(80, 10) << QPoint(60, 10);
    QTest::newRow("from a pixel above the top") << QPoint(10, -1) << QPoint(12, 15);
}

// Both end pixels are drawn, and the next pixel beyond each end along the
// major axis is not, nor any pixel outside the box the line spans; an end
// outside the picture: drawn up to the edge.
void TestCanvas::lineEnds()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    m_picture.drawLine(from, to, Picture::LineStyle::Solid, Black);
    for (const QPoint end : {from, to})
        QCOMPARE(pixelAt(m_picture.image(), qBound(0, end.x(), 79), qBound(0, end.y(), 39)), Black);
    const QPoint d = to - from;
    const QPoint step = qAbs(d.x()) >= qAbs(d.y()) ? QPoint(d.x() > 0 ? 1 : -1, 0)
                                                   : QPoint(0, d.y() > 0 ? 1 : -1);
    for (const QPoint beyond : {from - step, to + step})
        if (m_picture.area().contains(beyond))
            QCOMPARE(pixelAt(m_picture.image(), beyond.x(), beyond.y()), White);
    const QRect box = QRect(from, QSize(1, 1)) | QRect(to, QSize(1, 1));
    for (int y = 0; y < Small.height(); ++y)
        for (int x = 0; x < Small.width(); ++x)
            QVERIFY(box.contains(x, y) || pixelAt(m_picture.image(), x, y) == White);
}

void TestCanvas::lineStyle_data()
{
    QTest::addColumn<Picture::LineStyle>("style");
    QTest::addColumn<double>("fromX");
    QTest::addColumn<double>("toX");
    QTest::addColumn<QString>("pattern"); // from the first pixel, repeating

    using S = Picture::LineStyle;
    QTest::newRow("solid") << S::Solid << 0.0 << 79.0 << "#";
    QTest::newRow("dash: 4 on, 2 off") << S::Dash << 0.0 << 79.0 << "####..";
    QTest::newRow("dot: 1 on, 2 off") << S::Dot << 0.0 << 79.0 << "#..";
    QTest::newRow("dash-dot: 4 on, 2 off, 1 on, 2 off") << S::DashDot << 0.0 << 79.0 << "####..#..";
    QTest::newRow("dash drawn leftward") << S::Dash << 77.0 << 3.0 << "####..";
    QTest::newRow("ends far outside") << S::Solid << -Huge << Huge << "#";
}

// A line along row 20: its pixels in the picture, read from its first one,
// follow the pattern of its style.
void TestCanvas::lineStyle()
{
    QFETCH(Picture::LineStyle, style);
    QFETCH(double, fromX);
    QFETCH(double, toX);
    QFETCH(QString, pattern);
    // The pattern starts afresh at each line's first pixel: a line of the
    // same style that stopped mid-pattern does not shift it.
    m_picture.drawLine(QPointF(0, 35), QPointF(4, 35), style, Black);
    m_picture.drawLine(QPointF(fromX, 20), QPointF(toX, 20), style, Black);

    const int left = int(std::max(0.0, std::min(fromX, toX)));
    const int right = int(std::min(Small.width() - 1.0, std::max(fromX, toX)));
    QString drawn = drawnIn(m_picture.image(), QRect(QPoint(left, 20), QPoint(right, 20))).first();
    if (fromX > toX)
        std::reverse(drawn.begin(), drawn.end());
    QCOMPARE(drawn, pattern.repeated(drawn.size()).left(drawn.size()));
}

void TestCanvas::nothingDrawn_data()
{
    QTest::addColumn<Drawing>("drawing");

    QTest::newRow("dot just off the left edge") << dot({-3, 10});
    QTest::newRow("dot far right") << dot({Huge, 10});
    QTest::newRow("dot at not a number") << dot({NaN, 10});
    QTest::newRow("line far above") << line({-Huge, -5}, {Huge, -5});
    QTest::newRow("line far away") << line({Huge, Huge}, {2 * Huge, 3 * Huge});
    QTest::newRow("line from not a number") << line({NaN, 20}, {50, 20});
    QTest::newRow("line from minus infinity") << line({-Infinity, 20}, {50, 20});
    QTest::newRow("line to not a number") << line({10, 20}, {50, NaN});
    QTest::newRow("cleared") << Drawing([](Picture &p) { dot({10, 10})(p); return p.clear(); });
}

// Drawings wholly outside the picture, or at no real position, leave it
// white, and so does clearing it.
void TestCanvas::nothingDrawn()
{
    QFETCH(Drawing, drawing);
    drawing(m_picture);
    QCOMPARE(drawnIn(m_picture.image(), m_picture.area()), QStringList(Small.height(), QString(Small.width(), u'.')));
}

void TestCanvas::press_data()
{
    QTest::addColumn<QPointF>("at"); // in the widget, frame included
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("emitted");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<qreal>("zoom"); // 1 where the row does not say
    QTest::addColumn<QEvent::Type>("type");
    const QEvent::Type press = QEvent::MouseButtonPress;

    QTest::newRow("inner top-left") << QPointF(2, 2) << Qt::LeftButton << true << QPoint(0, 0) << 1.0 << press;
    QTest::newRow("inner bottom-right") << QPointF(464, 197) << Qt::LeftButton << true << QPoint(462, 195) << 1.0 << press;
    QTest::newRow("a fraction of a pixel counts in that pixel")
        << QPointF(464.75, 197.5) << Qt::LeftButton << true << QPoint(462, 195) << 1.0 << press;
    QTest::newRow("right button") << QPointF(12, 7) << Qt::RightButton << true << QPoint(10, 5) << 1.0 << press;
    QTest::newRow("middle button") << QPointF(12, 7) << Qt::MiddleButton << true << QPoint(10, 5) << 1.0 << press;
    QTest::newRow("border top-left") << QPointF(1, 1) << Qt::LeftButton << false << QPoint() << 1.0 << press;
    QTest::newRow("border, a fraction short of the inner area")
        << QPointF(1.75, 50) << Qt::LeftButton << false << QPoint() << 1.0 << press;
    QTest::newRow("border right") << QPointF(465, 100) << Qt::LeftButton << false << QPoint() << 1.0 << press;
    QTest::newRow("border bottom") << QPointF(100, 198) << Qt::LeftButton << false << QPoint() << 1.0 << press;
    // The second press of a double-click comes as a double-click: one
    // vertex for a pupil who double-clicks.
    QTest::newRow("a double-click's second press") << QPointF(12, 7) << Qt::LeftButton << false << QPoint() << 1.0
                                                   << QEvent::MouseButtonDblClick;
    // Zoomed, the same pixels shown larger: a press gives the picture's pixel.
    QTest::newRow("at 200 %, inner top-left") << QPointF(2, 2) << Qt::LeftButton << true << QPoint(0, 0) << 2.0 << press;
    QTest::newRow("at 200 %, the pixel (100, 50)") << QPointF(203, 103) << Qt::LeftButton << true << QPoint(100, 50) << 2.0 << press;
    QTest::newRow("at 300 %, the pixel (100, 50)") << QPointF(304.5, 154) << Qt::LeftButton << true << QPoint(100, 50) << 3.0 << press;
    QTest::newRow("at 300 %, the last pixel") << QPointF(1390.9, 589.5) << Qt::LeftButton << true << QPoint(462, 195) << 3.0 << press;
    QTest::newRow("at 125 %, the last column") << QPointF(580, 10) << Qt::LeftButton << true << QPoint(462, 6) << 1.25 << press;
    QTest::newRow("at 125 %, the white beyond the last column")
        << QPointF(580.9, 10) << Qt::LeftButton << false << QPoint() << 1.25 << press;
}

void TestCanvas::press()
{
    QFETCH(QPointF, at);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, emitted);
    QFETCH(QPoint, position);
    QFETCH(qreal, zoom);
    QFETCH(QEvent::Type, type);
    m_canvas->resize(467, 200);
    QCOMPARE(m_canvas->contentsRect(), QRect(2, 2, 463, 196));
    m_canvas->setZoom(zoom);
    m_canvas->resize((QSizeF(463, 196) * zoom).toSize() + QSize(4, 4));
    QCOMPARE(m_canvas->area(), QRect(0, 0, 463, 196));

    QSignalSpy spy(m_canvas.get(), &Canvas::pressed);
    QMouseEvent event(type, at, m_canvas->mapToGlobal(at), button, button, {});
    QCoreApplication::sendEvent(m_canvas.get(), &event);
    QCOMPARE(spy.size(), emitted ? 1 : 0);
    if (emitted)
        QCOMPARE(spy.first(), (QList<QVariant>{position, QVariant::fromValue(button)}));
}

void TestCanvas::screenShowsPicture_data()
{
    QTest::addColumn<QString>("vertices"); // placed on the board the canvas follows, as setRows takes them
    QTest::addColumn<QString>("then");     // "pick 1", "in order" or "clear"

    QTest::newRow("a dot") << "30,20" << "";
    QTest::newRow("a dot at the inner bottom-right corner") << "399,299" << "";
    QTest::newRow("a picked vertex, red") << "30,20" << "pick 1";
    QTest::newRow("the polygon") << "390,290 50,100" << "in order";
    QTest::newRow("cleared") << "30,20" << "clear";
}

// What is drawn reaches the screen once control is back in the event loop,
// in the inner area, and only there.
void TestCanvas::screenShowsPicture()
{
    QFETCH(QString, vertices);
    QFETCH(QString, then);
    TestedBoard board;
    Canvas canvas;
    canvas.setFocusPolicy(Qt::NoFocus); // no focus frame or crosshair over the picture
    canvas.resize(TestedBoard::Size + QSize(4, 4));
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    canvas.follow(board);
    const auto placed = [&board](QString rows) { board.placeVertexLines(rows.replace(u',', u'\t').replace(u' ', u'\n')); };
    placed(QStringLiteral("0,150 399,150"));
    const auto shown = [&] {
        return canvas.screen()->grabWindow(canvas.winId()).toImage().copy(canvas.contentsRect())
            .convertToFormat(QImage::Format_RGB32);
    };
    QTRY_COMPARE(shown(), copiedPicture(canvas));

    placed(vertices);
    if (then == QLatin1String("pick 1"))
        board.selectRow(1);
    else if (then == QLatin1String("in order"))
        board.connectInOrder();
    else if (then == QLatin1String("clear"))
        board.clearAll();
    QCOMPARE(isBlank(copiedPicture(canvas)), then == QLatin1String("clear"));
    QTRY_COMPARE(shown(), copiedPicture(canvas));
}

void TestCanvas::pictureSurvivesResize()
{
    m_canvas->resize(200, 100);
    m_canvas->follow(*m_board);
    setRows(*m_board, QStringLiteral("10,10 0,90 150,90"));
    m_board->connectInOrder();
    m_canvas->resize(467, 200);

    const QImage picture = copiedPicture(*m_canvas);
    QCOMPARE(picture.size(), QSize(463, 196));
    QCOMPARE(pixelAt(picture, 10, 10), Black);
    QCOMPARE(pixelAt(picture, 100, 90), Black);
    QCOMPARE(pixelAt(picture, 300, 150), White); // the new area is blank
}

// The canvas keeps its picture at the screen's device pixel ratio (run once
// more with QT_SCALE_FACTOR 2, and 1.5 as for a projector), shows it and
// copies it device pixel for device pixel.
void TestCanvas::pictureAtScreenRatio()
{
    const qreal ratio = m_canvas->devicePixelRatioF();
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        QCOMPARE(ratio, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    m_canvas->follow(*m_board);
    setRows(*m_board, QStringLiteral("10,10 40,30 0,30"));
    m_board->connectInOrder();

    const QImage picture = copiedPicture(*m_canvas);
    QCOMPARE(picture.devicePixelRatio(), ratio);
    QCOMPARE(picture.size(), Small * ratio);
    QCOMPARE(pixelAt(picture, 20, 30), Black);
    const QRect inner((QPointF(m_canvas->contentsRect().topLeft()) * ratio).toPoint(), picture.size());
    QCOMPARE(m_canvas->grab().toImage().copy(inner).convertToFormat(QImage::Format_RGB32), picture);
}

void TestCanvas::figureFollowsBoard_data()
{
    // "r ROWS" the rows set, "o" "Контур", "z Z" the zoom Z, "g" the grid
    // shown; the mouse's "p X,Y" press and "t X,Y" press on a dot, "m X,Y"
    // move and "u" release; "k KEYS" Page Down (n), Alt+Right (r),
    // Alt+Shift+Down (d), Escape (e).
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("rowsAfter"); // none: as they were set
    const QString fan = QStringLiteral("r 5,5 70,8 60,35 10,30; o"); // in contour order: 60,35 10,30 5,5 70,8
    QTest::newRow("a fan zoomed and back") << fan + "; z 1.5; z 1" << "";
    QTest::newRow("a fan zoomed, copied there") << fan + "; z 2" << "";
    QTest::newRow("the fan's rows set anew at a zoom, back") << fan + "; z 1.5; r 40,20 50,30; z 1" << "";
    QTest::newRow("a new fan at a zoom, back") << fan + "; z 1.25; r 10,10 70,10 40,35; o; z 1" << "";
    QTest::newRow("a new fan at a zoom, copied there") << fan + "; z 2; r 10,10 70,10 40,35; o" << "";
    QTest::newRow("vertex 3 dragged") << fan + "; t 5,5; m 15,12; m 20,15; u" << "60,35 10,30 20,15 70,8";
    QTest::newRow("vertex 1 dragged at a zoom: every line")
        << fan + "; z 1.5; t 60,35; m 40,20; u" << "40,20 10,30 5,5 70,8";
    QTest::newRow("a drag put back by Escape") << fan + "; t 5,5; m 20,15; k e; u" << "60,35 10,30 5,5 70,8";
    QTest::newRow("a drag over the grid, to its points") << fan + "; g; t 5,5; m 23,14; u" << "60,35 10,30 20,10 70,8";
    QTest::newRow("vertex 3 moved by the keys") << fan + "; k nnnrd" << "60,35 10,30 6,15 70,8";
    QTest::newRow("a press over the grid: its nearest point") << "g; p 27,13; p 25,5" << "30,10 30,10";
}

// Each zoom and drag draws the board's present figure, never one it showed
// before, and over the grid too the copied picture is the figure alone.
void TestCanvas::figureFollowsBoard()
{
    QFETCH(QString, steps);
    m_canvas->follow(*m_board);
    connect(m_canvas.get(), &Canvas::pressed, m_board.get(), &Board::placeVertex);
    connect(m_canvas.get(), &Canvas::vertexTaken, m_board.get(), &Board::takeVertex);
    connect(m_canvas.get(), &Canvas::takenMoved, m_board.get(), &Board::moveTaken);
    connect(m_canvas.get(), &Canvas::takenPutDown, m_board.get(), &Board::putDown);
    connect(m_canvas.get(), &Canvas::takenPutBack, m_board.get(), &Board::putBack);
    const auto at = [this](const QString &pixel) {
        const QPointF middle = QPointF(pixel.section(u',', 0, 0).toInt(), pixel.section(u',', 1).toInt()) + QPointF(0.5, 0.5);
        const QPointF shown = QPointF(m_canvas->contentsRect().topLeft()) + middle * m_canvas->zoom();
        return QPoint(int(shown.x()), int(shown.y()));
    };
    const std::map<QChar, std::pair<int, Qt::KeyboardModifiers>> keys{
        {u'n', {Qt::Key_PageDown, {}}}, {u'r', {Qt::Key_Right, Qt::AltModifier}},
        {u'd', {Qt::Key_Down, Qt::AltModifier | Qt::ShiftModifier}}, {u'e', {Qt::Key_Escape, {}}}};
    for (const QString &step : steps.split(QStringLiteral("; "))) {
        switch (step.at(0).unicode()) {
        case u'r': setRows(*m_board, step.mid(2)); break;
        case u'o': m_board->orderContour(); break;
        case u'z': m_canvas->setZoom(step.mid(2).toDouble()); break;
        case u'g': m_canvas->setGridShown(true); break;
        case u'p':
        case u't': QTest::mousePress(m_canvas.get(), Qt::LeftButton, {}, at(step.mid(2))); break;
        case u'm': QTest::mouseMove(m_canvas.get(), at(step.mid(2))); break;
        case u'u': QTest::mouseRelease(m_canvas.get(), Qt::LeftButton, {}, at(QStringLiteral("0,0"))); break;
        case u'k':
            for (QChar key : step.mid(2))
                QTest::keyClick(m_canvas.get(), Qt::Key(keys.at(key).first), keys.at(key).second);
            break;
        }
    }
    QFETCH(QString, rowsAfter);
    if (!rowsAfter.isEmpty())
        QCOMPARE(rows(m_board->vertices()), rowsAfter);
    Picture drawn(Small, m_canvas->devicePixelRatioF());
    FigurePainter(drawn).drawFigure(m_board->figure(), m_board->points());
    QCOMPARE(copiedPicture(*m_canvas), drawn.image());
}

void TestCanvas::pointerAfterZoom_data()
{
    QTest::addColumn<qreal>("zoom");
    QTest::addColumn<QPoint>("pixel"); // whose coordinates show, the pointer at (102, 52) of the canvas
    QTest::newRow("at 200 %: the pixel now under it") << 2.0 << QPoint(50, 25);
}

// Coordinates after a zoom by the keys, before the pointer moves.
void TestCanvas::pointerAfterZoom()
{
    QFETCH(qreal, zoom);
    QPoint told;
    m_canvas->setCoordinatesText([&told](QPoint pixel) { return told = pixel, QStringLiteral("·"); });
    m_canvas->resize(467, 200);
    QMouseEvent move(QEvent::MouseMove, {102, 52}, m_canvas->mapToGlobal(QPointF(102, 52)), Qt::NoButton, {}, {});
    QCoreApplication::sendEvent(m_canvas.get(), &move);
    m_canvas->setZoom(zoom);
    m_canvas->resize((QSizeF(463, 196) * zoom).toSize() + QSize(4, 4));
    m_canvas->grab();
    QTEST(told, "pixel");
}

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
