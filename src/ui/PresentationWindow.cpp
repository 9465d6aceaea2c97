// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PresentationWindow.h"

#include "Board.h"
#include "FanCover.h"
#include "FigureLines.h"
#include "FigurePainter.h"
#include "LessonMarks.h"
#include "PresentationMessages.h"
#include "VertexLabels.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

const QColor Paper = Qt::white;
const QColor Frame(160, 160, 160);
const QColor Text(20, 20, 20);
const QColor Hint(110, 110, 110);
const QColor Diagonal(30, 110, 220);
const QColor NumberInk(0, 70, 200);
const QColor MarkNumberGround(255, 255, 255, 220);

constexpr qreal Margin = 0.02;       // of the screen's height, round the picture and the text
constexpr size_t MostSmoothLines = 4096; // more vertices are drawn without smoothing or dashes, to stay fast

// The screen pixels' font of `pixels` height, in the window's face.
QFont sized(QFont font, int pixels)
{
    font.setPixelSize(std::max(1, pixels));
    return font;
}

} // namespace

PresentationWindow::PresentationWindow(const Board &board, QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Window | Qt::FramelessWindowHint), m_board(board), m_mainWindow(mainWindow)
{
    setWindowTitle(Messages::presentationCaption());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setFont(QFont(QStringLiteral("Times New Roman")));
    for (auto changed : {&Board::reportChanged, &Board::figureChanged})
        connect(&board, changed, this, &PresentationWindow::restart);
    connect(&board, &Board::verticesPlaced, this, &PresentationWindow::restart);
    restart();
}

void PresentationWindow::present()
{
    QScreen *own = m_mainWindow->screen();
    QScreen *shown = own;
    for (QScreen *screen : QGuiApplication::screens())
        if (screen != own)
            shown = screen;
    setScreen(shown);
    setGeometry(shown->geometry());
    goTo(0);
    showFullScreen();
    raise();
    activateWindow();
}

int PresentationWindow::lastStep() const
{
    const DrawnFigure &figure = m_board.figure();
    if (figure.base != DrawnFigure::Base::Fan || !figure.fan)
        return 0;
    return int(figure.fan->triangles.size()) + 1;
}

// A new figure: step 0, the picture drawn afresh, the running sums of |D|
// added in the report's order, so that the last is the report's total.
void PresentationWindow::restart()
{
    m_step = 0;
    m_typed.clear();
    m_baseDrawn = false;
    m_runningTotals.clear();
    m_totalShading = {};
    if (const DrawnFigure &figure = m_board.figure(); figure.base == DrawnFigure::Base::Fan && figure.fan) {
        double total = 0;
        for (const FanTriangle &t : figure.fan->triangles) {
            total = std::fabs(t.measures.determinant) + total;
            m_runningTotals.push_back(total);
        }
    }
    update();
    describe();
}

void PresentationWindow::goTo(int step)
{
    m_blank = Blank::None;
    m_typed.clear();
    m_step = std::clamp(step, 0, lastStep());
    update();
    describe();
}

// A screen reader reads the step's text.
void PresentationWindow::describe()
{
    if (!m_baseDrawn)
        layOut();
    setAccessibleDescription(stepText().join(u'\n'));
}

// The picture as large as the screen allows above the text's lines, in
// type a 24th of the screen's height.
void PresentationWindow::layOut()
{
    const QRectF screen(rect());
    const qreal margin = std::ceil(screen.height() * Margin);
    m_textFont = sized(font(), int(std::ceil(screen.height() / 24)));
    const qreal textHeight = m_textLines * QFontMetricsF(m_textFont).lineSpacing();
    m_textArea = QRectF(margin, screen.height() - margin - textHeight, screen.width() - 2 * margin, textHeight);
    const QRectF room(margin, margin, screen.width() - 2 * margin, m_textArea.top() - 2 * margin);
    const QSizeF picture = m_board.area().size().isEmpty() ? QSizeF(1, 1) : QSizeF(m_board.area().size());
    m_scale = std::max(0.01, std::min(room.width() / picture.width(), room.height() / picture.height()));
    const QSizeF shown = picture * m_scale;
    m_pictureArea = QRectF(room.center() - QPointF(shown.width() / 2, shown.height() / 2), shown);
}

QPointF PresentationWindow::onScreen(QPointF pixel) const
{
    return m_pictureArea.topLeft() + pixel * m_scale;
}

void PresentationWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_baseDrawn = false;
}

// The figure as lines at the screen's size, its vertices' numbers where
// they have room.
void PresentationWindow::drawBase()
{
    layOut();
    const qreal ratio = devicePixelRatioF();
    m_base = QImage(size() * ratio, QImage::Format_RGB32);
    m_base.setDevicePixelRatio(ratio);
    m_base.fill(Paper);
    QPainter painter(&m_base);
    const std::vector<Point> &vertices = m_board.points();
    painter.setRenderHint(QPainter::Antialiasing, vertices.size() <= MostSmoothLines);
    painter.setPen(QPen(Frame, 1));
    painter.drawRect(m_pictureArea.adjusted(-1, -1, 0, 0));
    painter.setClipRect(m_pictureArea);

    FigureLines lines;
    lines.toPage = QTransform(m_scale, 0, 0, m_scale, m_pictureArea.left(), m_pictureArea.top());
    lines.sideWidth = std::max(3.0, m_scale);
    lines.diagonalWidth = std::max(2.0, 0.6 * m_scale);
    lines.diagonalColour = Diagonal;
    lines.dashedDiagonals = vertices.size() <= MostSmoothLines;
    lines.dotWidth = std::max(12.0, FigurePainter::DotWidth * m_scale);
    lines.draw(painter, m_board.figure(), vertices);

    // Digits are of one width: a number's size is known by its length.
    const QFont numbers = sized(font(), int(m_textFont.pixelSize() * 0.8));
    const QFontMetricsF metrics(numbers);
    const qreal digit = metrics.horizontalAdvance(QStringLiteral("0"));
    std::vector<QPointF> dots;
    std::vector<QSizeF> sizes;
    for (size_t i = 0; i < vertices.size(); ++i) {
        dots.push_back(lines.dotCentre(vertices[i]));
        sizes.emplace_back(digit * QString::number(i + 1).size() + 4, metrics.height());
    }
    m_numberPlaces = placeVertexLabels(dots, lines.dotWidth / 2, sizes, m_pictureArea);
    painter.setFont(numbers);
    painter.setPen(NumberInk);
    for (size_t i = 0; i < m_numberPlaces.size(); ++i)
        if (!m_numberPlaces[i].isNull())
            painter.drawText(m_numberPlaces[i], Qt::AlignCenter, QString::number(i + 1));
    m_baseDrawn = true;
}

void PresentationWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_blank != Blank::None) {
        painter.fillRect(rect(), m_blank == Blank::Black ? Qt::black : Qt::white);
        return;
    }
    if (!m_baseDrawn)
        drawBase();
    painter.drawImage(0, 0, m_base);
    const DrawnFigure &figure = m_board.figure();
    if (m_step > 0 && m_step < lastStep())
        paintTriangle(painter, figure.fan->triangles[size_t(m_step - 1)]);
    else if (m_step > 0)
        paintTotal(painter);
    paintText(painter, stepText());
    paintKeys(painter);
}

QStringList PresentationWindow::stepText() const
{
    const int last = lastStep();
    if (m_step == 0) {
        const QFontMetricsF metrics(m_textFont);
        const int n = int(m_board.points().size());
        const qreal cell = metrics.horizontalAdvance(QStringLiteral("%1 (000; 000)   ").arg(n));
        const int columns = std::max(1, int(m_textArea.width() / cell));
        QStringList lines = Messages::verticesStep(m_board.points(), m_textLines - (last == 0 ? 1 : 0), columns);
        if (last == 0)
            lines << Messages::notComputed();
        return lines;
    }
    const auto &triangles = m_board.figure().fan->triangles;
    if (m_step < last)
        return Messages::triangleStep(triangles[size_t(m_step - 1)], m_step - 1, int(triangles.size()),
                                      m_runningTotals[size_t(m_step - 1)]);
    return Messages::totalStep(m_board);
}

// The triangle in the mark's colour under the lines, its vertices' numbers
// in bold beside their dots.
void PresentationWindow::paintTriangle(QPainter &painter, const FanTriangle &t) const
{
    painter.save();
    painter.setClipRect(m_pictureArea);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF corners[] = {onScreen(QPointF(t.A.x + 0.5, t.A.y + 0.5)), onScreen(QPointF(t.B.x + 0.5, t.B.y + 0.5)),
                               onScreen(QPointF(t.C.x + 0.5, t.C.y + 0.5))};
    painter.setCompositionMode(QPainter::CompositionMode_Multiply);
    painter.setPen(Qt::NoPen);
    painter.setBrush(LessonMarks::fillColour());
    painter.drawPolygon(corners, 3);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // In bold where the picture has them, or else beside the dot, away from
    // the triangle's middle.
    QFont bold = sized(font(), m_textFont.pixelSize());
    bold.setBold(true);
    painter.setFont(bold);
    const QFontMetricsF metrics(bold);
    const int numbers[] = {1, t.k, t.k + 1};
    const QPointF middle = (corners[0] + corners[1] + corners[2]) / 3;
    for (int i = 0; i < 3; ++i) {
        const QString text = QString::number(numbers[i]);
        QRectF box(QPointF(), QSizeF(metrics.horizontalAdvance(text) + 6, metrics.height()));
        const size_t vertex = size_t(numbers[i] - 1);
        if (vertex < m_numberPlaces.size() && !m_numberPlaces[vertex].isNull()) {
            box.moveCenter(m_numberPlaces[vertex].center());
        } else {
            const QPointF away = corners[i] - middle;
            const qreal length = std::max(1.0, std::hypot(away.x(), away.y()));
            box.moveCenter(corners[i] + away / length * (box.width() / 2 + box.height() / 2 + m_scale * 2));
        }
        painter.fillRect(box, MarkNumberGround);
        painter.setPen(NumberInk);
        painter.drawText(box, Qt::AlignCenter, text);
    }
    painter.restore();
}

// The fan's triangles shaded as the report's total line marks them on the
// canvas: darker where two or more overlap, which is where the total
// counts a pixel more than once.
void PresentationWindow::paintTotal(QPainter &painter)
{
    const std::shared_ptr<const Fan> &fan = m_board.figure().fan;
    if (!fan)
        return;
    if (m_totalShading.isNull())
        m_totalShading = LessonMarks::shadingOf(FanCover(*fan, m_board.area().width(), m_board.area().height()));
    painter.save();
    painter.setClipRect(m_pictureArea);
    painter.setCompositionMode(QPainter::CompositionMode_Multiply);
    painter.drawImage(QRectF(onScreen(QPointF(0, 0)), onScreen(QPointF(m_totalShading.width(), m_totalShading.height()))),
                      m_totalShading);
    painter.restore();
}

// The step's lines in the text area: a line of cells apart by a tab in
// columns, a cell too wide for its column in smaller type; any other line
// wrapped between words, in the same type.
void PresentationWindow::paintText(QPainter &painter, const QStringList &lines) const
{
    painter.save();
    painter.setPen(Text);
    const qreal lineHeight = QFontMetricsF(m_textFont).lineSpacing();
    qreal y = m_textArea.top();
    for (const QString &line : lines) {
        const QStringList cells = line.split(u'\t');
        if (cells.size() == 1) {
            painter.setFont(m_textFont);
            const QRectF room(m_textArea.left(), y, m_textArea.width(), m_textArea.bottom() - y);
            QRectF used;
            painter.drawText(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line, &used);
            y += std::max(lineHeight, used.height());
            continue;
        }
        const qreal cellWidth = m_textArea.width() / cells.size();
        for (qsizetype c = 0; c < cells.size(); ++c) {
            QFont font = m_textFont;
            const qreal width = QFontMetricsF(font).horizontalAdvance(cells[c]);
            if (width > cellWidth)
                font.setPixelSize(std::max(1, int(font.pixelSize() * cellWidth / width)));
            painter.setFont(font);
            painter.drawText(QRectF(m_textArea.left() + c * cellWidth, y, cellWidth, lineHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, cells[c]);
        }
        y += lineHeight;
    }
    painter.restore();
}

// The keys, small, in the bottom-right corner; the number being typed
// beside them.
void PresentationWindow::paintKeys(QPainter &painter) const
{
    painter.save();
    painter.setFont(sized(font(), int(m_textFont.pixelSize() * 0.5)));
    painter.setPen(Hint);
    const QString keys = Messages::presentationKeys() + (m_typed.isEmpty() ? QString() : QStringLiteral("   → ") + m_typed);
    painter.drawText(rect().adjusted(0, 0, -8, -4), Qt::AlignRight | Qt::AlignBottom, keys);
    painter.restore();
}

void PresentationWindow::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    // A blanked screen comes back with the next key.
    if (m_blank != Blank::None && key != Qt::Key_B && key != Qt::Key_W) {
        m_blank = Blank::None;
        update();
        return;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        m_typed += QChar(u'0' + (key - Qt::Key_0));
        update();
        return;
    }
    switch (key) {
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_PageDown:
    case Qt::Key_Space: goTo(m_step + 1); break;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_PageUp:
    case Qt::Key_Backspace: goTo(m_step - 1); break;
    case Qt::Key_Home: goTo(0); break;
    case Qt::Key_End: goTo(lastStep()); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        goTo(m_typed.isEmpty() ? m_step + 1 : std::min(m_typed.left(6).toInt(), lastStep() - 1));
        break;
    case Qt::Key_B: m_blank = m_blank == Blank::Black ? Blank::None : Blank::Black; update(); break;
    case Qt::Key_W: m_blank = m_blank == Blank::White ? Blank::None : Blank::White; update(); break;
    case Qt::Key_Escape:
        close();
        m_mainWindow->activateWindow();
        break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void PresentationWindow::wheelEvent(QWheelEvent *event)
{
    // The wheel turned down, towards the user, goes on, as in presentation
    // programs.
    const int notches = event->angleDelta().y() / 120;
    if (notches != 0)
        goTo(m_step - notches);
    event->accept();
}

// A click goes on, as a presenter's remote does; the right button goes back.
void PresentationWindow::mousePressEvent(QMouseEvent *event)
{
    goTo(event->button() == Qt::RightButton ? m_step - 1 : m_step + 1);
}
