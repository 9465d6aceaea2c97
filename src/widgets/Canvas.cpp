// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Canvas.h"

#include "Board.h"
#include "FigurePainter.h"

#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMenu>
#include <QMetaObject>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

// Half the length of the crosshair's arms.
constexpr int CrosshairReach = 7;

// A ring's radius round a vertex, and how far a number stands from it.
constexpr int MarkReach = 6;

// How far the coordinates stand from the pixel they tell, right and below.
constexpr int CoordinatesOffset = 12;

} // namespace

Canvas::Canvas(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    setMouseTracking(true); // the pointer's coordinates
    fitPicture();
}

void Canvas::follow(const Board &board)
{
    m_board = &board;
    connect(&board, &Board::figureChanged, this, &Canvas::drawFigure);
    connect(&board, &Board::verticesPlaced, this, &Canvas::drawPlaced);
    connect(&board, &Board::lastPlacedChanged, this, &Canvas::placeCrosshair);
    drawFigure();
    placeCrosshair();
}

void Canvas::drawFigure()
{
    m_numbers.invalidate();
    m_lines = {};
    drawFigureAfresh(m_picture);
    damage(m_picture.area());
    if (m_numbersShown)
        damage(area());
}

// The board's figure on a picture of the canvas's size, its lines those
// kept for that size, drawn once.
void Canvas::drawFigureAfresh(Picture &picture) const
{
    if (m_lines.size() != picture.size())
        m_lines = FigurePainter::linesOf(m_board->figure(), m_board->points(), picture.size());
    FigurePainter(picture).drawFigure(m_board->figure(), m_board->points(), m_lines);
}

void Canvas::drawPlaced(int first, int count)
{
    m_numbers.invalidate();
    damage(FigurePainter(m_picture).drawVertices(m_board->points().data() + first, count));
    if (m_numbersShown)
        damage(area());
}

void Canvas::placeCrosshair()
{
    if (const std::optional<QPoint> last = m_board->lastPlaced())
        setCrosshair(*last);
    else
        centreCrosshair();
}

void Canvas::paintEvent(QPaintEvent *event)
{
    if (devicePixelRatioF() * m_zoom != m_picture.devicePixelRatio())
        fitPicture();
    QFrame::paintEvent(event);

    const QRect target = event->rect() & contentsRect();
    if (target.isEmpty())
        return;
    QPainter painter(this);
    painter.setClipRect(target);
    paintPicture(painter, target);
    // The marks in the picture's coordinates.
    painter.setTransform(pictureToWidget());
    if (!m_mark.isEmpty())
        paintMark(painter);
    if (m_numbersShown && m_board) {
        const QRectF exposed = pictureToWidget().inverted().mapRect(QRectF(target));
        m_numbers.paint(painter, m_board->points(), area(), pictureFont(), exposed);
    }
    paintCoordinates(painter);
    m_note.paint(painter, area(), pictureFont(), palette());
    painter.resetTransform();
    if (showsKeyboardMarks())
        paintFocus(painter);
}

// Only the damaged part of the inner area is copied from the picture, its
// device pixels the screen's. Where the inner area is a fraction of a
// pixel larger than the zoomed picture, it is white.
void Canvas::paintPicture(QPainter &painter, const QRect &target)
{
    const QRectF shown = pictureToWidget().mapRect(QRectF(area()));
    const QRectF part = shown & QRectF(target);
    const qreal ratio = devicePixelRatioF();
    if (!part.isEmpty())
        painter.drawImage(part, m_picture.image(), QRectF((part.topLeft() - shown.topLeft()) * ratio, part.size() * ratio));
    const QRectF inner(contentsRect());
    painter.fillRect(QRectF(QPointF(shown.right(), inner.top()), inner.bottomRight()), Qt::white);
    painter.fillRect(QRectF(QPointF(inner.left(), shown.bottom()), inner.bottomRight()), Qt::white);
}

QTransform Canvas::pictureToWidget() const
{
    return QTransform(m_zoom, 0, 0, m_zoom, m_innerOrigin.x(), m_innerOrigin.y());
}

QRect Canvas::onWidget(const QRectF &pictureArea) const
{
    return pictureToWidget().mapRect(pictureArea).toAlignedRect();
}

QPoint Canvas::pixelAt(QPointF position) const
{
    const QPointF inner = (position - QPointF(m_innerOrigin)) / m_zoom;
    return QPoint(int(std::floor(inner.x())), int(std::floor(inner.y())));
}

QFont Canvas::pictureFont() const
{
    QFont unzoomed = font();
    if (unzoomed.pointSizeF() > 0)
        unzoomed.setPointSizeF(unzoomed.pointSizeF() / m_zoom);
    else
        unzoomed.setPixelSize(std::max(1, qRound(unzoomed.pixelSize() / m_zoom)));
    return unzoomed;
}

void Canvas::setZoom(qreal zoom)
{
    if (zoom == m_zoom || !(zoom > 0))
        return;
    m_heldSize = pictureSize();
    m_sizeHeld = true;
    m_zoom = zoom;
    m_numbers.invalidate();
    fitPicture();
    update();
}

void Canvas::setVertexNumbersShown(bool shown)
{
    if (shown == m_numbersShown)
        return;
    m_numbersShown = shown;
    update(contentsRect());
}

void Canvas::setMark(const CanvasMark &mark)
{
    if (m_mark.isEmpty() && mark.isEmpty())
        return;
    const QRect before = markArea();
    m_mark = mark;
    update(before | markArea());
}

void Canvas::setNote(const CanvasNote &note)
{
    if (note == m_note)
        return;
    // A hidden canvas is painted whole when shown: the window's first note
    // is not measured before the window is on the screen.
    if (!isVisible()) {
        m_note = note;
        return;
    }
    const QRect before = m_note.placeIn(area(), pictureFont());
    m_note = note;
    update(onWidget(before | m_note.placeIn(area(), pictureFont())));
}

// Where the mark is drawn, in widget coordinates, its labels' room included.
QRect Canvas::markArea() const
{
    QPolygonF points = m_mark.area;
    for (const CanvasMark::Label &label : m_mark.labels)
        points << label.vertex;
    for (QPointF ring : m_mark.rings)
        points << ring;
    if (!m_mark.shading.isNull())
        points << QPointF(0, 0) << QPointF(m_mark.shading.size().width(), m_mark.shading.size().height());
    if (points.isEmpty())
        return {};
    const QFontMetrics metrics(pictureFont());
    const int reach = MarkReach + metrics.height() + metrics.horizontalAdvance(QStringLiteral("32767"));
    return onWidget(points.boundingRect().adjusted(-reach, -reach, reach, reach)) & contentsRect();
}

// The area and the shading are multiplied into the picture, so that its
// white takes the mark's colour and its black lines stay black over it; the
// numbers stand on a pale ground beside their dots.
void Canvas::paintMark(QPainter &painter)
{
    painter.save();
    if (!m_mark.shading.isNull()) {
        painter.setCompositionMode(QPainter::CompositionMode_Multiply);
        painter.drawImage(QPointF(0, 0), m_mark.shading);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    painter.translate(0.5, 0.5);
    // The area's edge needs no smoothing, under the figure's own lines: a
    // polygon of 32,767 corners fills twenty times as fast without.
    if (!m_mark.area.isEmpty()) {
        painter.setCompositionMode(QPainter::CompositionMode_Multiply);
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_mark.fill);
        painter.drawPolygon(m_mark.area, Qt::WindingFill);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(m_mark.ink, 2));
    for (QPointF ring : m_mark.rings)
        painter.drawEllipse(ring, MarkReach, MarkReach);
    painter.setFont(pictureFont());
    const QFontMetrics metrics(pictureFont());
    for (const CanvasMark::Label &label : m_mark.labels) {
        QRect box = metrics.boundingRect(label.text).adjusted(-1, 0, 1, 0);
        box.moveBottomLeft((label.vertex + QPointF(MarkReach - 2, -(MarkReach - 2))).toPoint());
        painter.fillRect(box, m_mark.ground);
        painter.setPen(m_mark.ink);
        painter.drawText(box, Qt::AlignCenter, label.text);
    }
    painter.restore();
}

bool Canvas::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && m_toolTipAt) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QPoint at = pixelAt(help->pos());
        const QString text = area().contains(at) ? m_toolTipAt(at) : QString();
        if (text.isEmpty())
            QToolTip::showText(help->globalPos(), toolTip(), this);
        else
            QToolTip::showText(help->globalPos(), text, this, QRect(help->pos(), QSize(1, 1)));
        return true;
    }
    return QFrame::event(event);
}

// The focus frame just inside the border, and the crosshair: a cross with an
// open centre, so that the pixel under it stays visible. The style's own
// focus frame would tint the whole picture.
void Canvas::paintFocus(QPainter &painter)
{
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
    painter.drawRect(contentsRect().adjusted(0, 0, -1, -1));

    // The arms grow with the zoom, as the pixels do.
    const QPointF centre = pictureToWidget().map(QPointF(m_crosshair) + QPointF(0.5, 0.5));
    painter.setPen(QPen(palette().color(QPalette::Highlight), std::max(1.0, std::floor(m_zoom))));
    for (const QPointF direction : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)})
        painter.drawLine(centre + 2 * m_zoom * direction, centre + CrosshairReach * m_zoom * direction);
}

// The coordinates of the pixel under the pointer, and of the crosshair while
// it shows, each on a pale ground below and right of its pixel, or where
// that would leave the picture, on the other side.
QRectF Canvas::coordinatesBox(QPoint pixel) const
{
    const QFontMetricsF metrics(pictureFont());
    const QSizeF size(metrics.horizontalAdvance(m_coordinatesText(pixel)) + 4, metrics.height());
    const QRectF inside(area());
    QPointF corner = QPointF(pixel) + QPointF(CoordinatesOffset, CoordinatesOffset);
    if (corner.x() + size.width() > inside.right())
        corner.rx() = pixel.x() - CoordinatesOffset - size.width();
    if (corner.y() + size.height() > inside.bottom())
        corner.ry() = pixel.y() - CoordinatesOffset - size.height();
    return QRectF(corner, size);
}

void Canvas::paintCoordinates(QPainter &painter)
{
    if (!m_coordinatesText)
        return;
    std::vector<QPoint> pixels;
    if (m_pointer)
        pixels.push_back(*m_pointer);
    if (showsKeyboardMarks())
        pixels.push_back(m_crosshair);
    if (pixels.empty())
        return;
    painter.save();
    painter.setFont(pictureFont());
    QColor ground = palette().color(QPalette::ToolTipBase);
    ground.setAlpha(230);
    for (QPoint pixel : pixels) {
        const QRectF box = coordinatesBox(pixel);
        painter.fillRect(box, ground);
        painter.setPen(palette().color(QPalette::ToolTipText));
        painter.drawText(box, Qt::AlignCenter, m_coordinatesText(pixel));
    }
    painter.restore();
}

void Canvas::setPointer(std::optional<QPoint> pixel)
{
    if (pixel == m_pointer)
        return;
    if (m_pointer && m_coordinatesText)
        update(onWidget(coordinatesBox(*m_pointer)));
    m_pointer = pixel;
    if (m_pointer && m_coordinatesText)
        update(onWidget(coordinatesBox(*m_pointer)));
}

void Canvas::setCrosshair(QPoint position)
{
    m_crosshairCentred = false;
    moveCrosshair(position);
}

void Canvas::centreCrosshair()
{
    m_crosshairCentred = true;
    moveCrosshair(QPoint(area().width() / 2, area().height() / 2));
}

void Canvas::moveCrosshair(QPoint position)
{
    const QRect inside = m_picture.area();
    if (inside.isEmpty())
        return;
    const QPoint kept(std::clamp(position.x(), inside.left(), inside.right()),
                      std::clamp(position.y(), inside.top(), inside.bottom()));
    if (kept == m_crosshair)
        return;
    // Hidden, it moves with every press: its area, whose coordinates are a
    // text to measure, only when it shows.
    const auto shownArea = [this] {
        return crosshairArea() | (m_coordinatesText ? onWidget(coordinatesBox(m_crosshair)) : QRect());
    };
    const QRect before = showsKeyboardMarks() ? shownArea() : QRect();
    m_crosshair = kept;
    if (showsKeyboardMarks())
        update(before | shownArea());
}

// Where the crosshair is drawn, in widget coordinates.
QRect Canvas::crosshairArea() const
{
    return onWidget(QRectF(QRect(m_crosshair, QSize(1, 1))
                               .adjusted(-CrosshairReach - 1, -CrosshairReach - 1, CrosshairReach + 1, CrosshairReach + 1)));
}

// Shows or hides the focus frame and the crosshair.
void Canvas::setKeyboardInUse(bool inUse)
{
    if (inUse == m_keyboardInUse)
        return;
    m_keyboardInUse = inUse;
    update();
}

// At 100 % the picture shown is the one copied; at another zoom it is
// drawn once more at the screen's own ratio, as 100 % shows it.
void Canvas::copyPicture() const
{
    const qreal ratio = devicePixelRatioF();
    if (m_picture.devicePixelRatio() == ratio) {
        QGuiApplication::clipboard()->setImage(m_picture.image());
        return;
    }
    Picture unzoomed = m_picture.fitted(area().size(), ratio);
    if (m_board)
        drawFigureAfresh(unzoomed);
    QGuiApplication::clipboard()->setImage(unzoomed.image());
}

void Canvas::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        copyPicture();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        emit pasteRequested();
        return;
    }
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    const QPoint arrow = event->key() == Qt::Key_Left    ? QPoint(-step, 0)
                         : event->key() == Qt::Key_Right ? QPoint(step, 0)
                         : event->key() == Qt::Key_Up    ? QPoint(0, -step)
                         : event->key() == Qt::Key_Down  ? QPoint(0, step)
                                                         : QPoint();
    if (!arrow.isNull()) {
        setKeyboardInUse(true);
        setCrosshair(m_crosshair + arrow);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit pressed(m_crosshair, Qt::LeftButton);
        break;
    default:
        QFrame::keyPressEvent(event);
        return;
    }
    event->accept();
}

// The marks follow how the focus came: by Tab, they show; by a click or
// from the program, they do not. Focus given back by the window, a popup
// menu or the menu bar keeps them as they were.
void Canvas::focusInEvent(QFocusEvent *event)
{
    QFrame::focusInEvent(event);
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason: setKeyboardInUse(true); break;
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason: break;
    default: setKeyboardInUse(false);
    }
    update();
}

void Canvas::focusOutEvent(QFocusEvent *event)
{
    QFrame::focusOutEvent(event);
    update();
}

void Canvas::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = pixelAt(event->position());
    setKeyboardInUse(false);
    setPointer(std::nullopt); // the new dot in sight, until the pointer moves on
    if (!m_picture.area().contains(at))
        return; // a press on the border is not on the board
    emit pressed(at, event->button());
}

void Canvas::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = pixelAt(event->position());
    setPointer(area().contains(at) ? std::optional<QPoint>(at) : std::nullopt);
    QFrame::mouseMoveEvent(event);
}

void Canvas::leaveEvent(QEvent *event)
{
    setPointer(std::nullopt);
    QFrame::leaveEvent(event);
}

// Not a press: QWidget's own would make it one.
void Canvas::mouseDoubleClickEvent(QMouseEvent *event)
{
    setKeyboardInUse(false);
    event->accept();
}

void Canvas::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
    if (event->reason() == QContextMenuEvent::Mouse || actions().isEmpty())
        return;
    auto *menu = new QMenu(this);
    menu->addActions(actions());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

// The keyboard's context menu opens at the crosshair.
QVariant Canvas::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query == Qt::ImCursorRectangle)
        return crosshairArea();
    return QFrame::inputMethodQuery(query);
}

namespace {

// The first local file among what is dragged, if any.
QString droppedFile(const QMimeData *data)
{
    for (const QUrl &url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

} // namespace

void Canvas::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedFile(event->mimeData()).isEmpty() || event->mimeData()->hasText())
        event->acceptProposedAction();
}

void Canvas::dropEvent(QDropEvent *event)
{
    if (const QString path = droppedFile(event->mimeData()); !path.isEmpty())
        emit fileDropped(path);
    else if (event->mimeData()->hasText())
        emit textDropped(event->mimeData()->text());
    else
        return;
    event->acceptProposedAction();
}

void Canvas::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    if (m_zoom == 1)
        m_sizeHeld = false;
    fitPicture();
}

void Canvas::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::ContentsRectChange)
        fitPicture();
}

// The picture follows the inner area's size at 100 % and the screen's
// pixel ratio times the zoom; what was drawn stays, and at another ratio it
// is drawn afresh, sharp.
void Canvas::fitPicture()
{
    m_innerOrigin = contentsRect().topLeft();
    const QSize size = pictureSize();
    const qreal ratio = devicePixelRatioF() * m_zoom;
    if (size == m_picture.size() && ratio == m_picture.devicePixelRatio() && !m_picture.image().isNull())
        return;
    const bool sharper = m_board && ratio != m_picture.devicePixelRatio();
    m_picture = sharper ? Picture(size, ratio) : m_picture.fitted(size, ratio);
    if (sharper)
        drawFigureAfresh(m_picture);
    m_numbers.invalidate();
    if (m_crosshairCentred)
        centreCrosshair();
    else
        moveCrosshair(m_crosshair);
    damage(area());
}

// Damage is gathered into one rectangle and shown once control returns to
// the event loop, so a long drawing command schedules a single repaint.
void Canvas::damage(const QRect &area)
{
    const QRect clipped = area & m_picture.area();
    if (clipped.isEmpty())
        return;
    if (m_damage.isEmpty())
        QMetaObject::invokeMethod(this, &Canvas::showDamage, Qt::QueuedConnection);
    m_damage |= clipped;
}

void Canvas::showDamage()
{
    update(onWidget(QRectF(m_damage)) & contentsRect());
    m_damage = QRect();
}
