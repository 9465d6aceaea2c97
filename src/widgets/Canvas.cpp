// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Canvas.h"

#include "Board.h"
#include "FigurePainter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <utility>

namespace {

// How far off a dot a press still takes it, in the picture's pixels: a
// finger on a classroom's board is no mouse.
constexpr int GrabMargin = 4;

// The taken vertex's ring, round the middle of its pixel.
QRectF ringReach(QPoint vertex)
{
    return QRectF(QPointF(vertex) - QPointF(8.5, 8.5), QSizeF(18, 18));
}

} // namespace

Canvas::Canvas(QWidget *parent)
    : PictureFrame(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    setMouseTracking(true); // the pointer's coordinates
    pictureFitted();        // by the frame, before the canvas was made
}

void Canvas::follow(const Board &board)
{
    m_board = &board;
    picture().follow(board);
    connect(&board, &Board::figureChanged, this, [this] { showDrawn(picture().drawFigure()); });
    connect(&board, &Board::verticesPlaced, this,
            [this](int first, int count) { showDrawn(picture().drawPlaced(first, count)); });
    connect(&board, &Board::lastPlacedChanged, this, &Canvas::placeCrosshair);
    connect(&board, &Board::vertexMoved, this, [this](int row, QPoint from) {
        showDrawn(picture().drawMoved(row, from));
        ringTaken();
    });
    connect(&board, &Board::takenRowChanged, this, [this](int row) {
        if (row < 0)
            endDrag();
        ringTaken();
    });
    showDrawn(picture().drawFigure());
    placeCrosshair();
}

void Canvas::showDrawn(const QRect &changed)
{
    m_numbers.invalidate();
    damage(changed);
    if (m_numbersShown)
        damage(area());
}

void Canvas::placeCrosshair()
{
    const std::optional<QPoint> last = m_board->lastPlaced();
    moveCrosshair(last.value_or(pictureCentre()), !last);
}

void Canvas::pictureFitted()
{
    m_numbers.invalidate();
    if (m_notePlacedIn.isValid() && m_notePlacedIn != area().size())
        m_notePlacedIn = {};
    moveCrosshair(m_crosshair.isCentred() ? pictureCentre() : m_crosshair.position(), m_crosshair.isCentred());
}

void Canvas::paintOver(QPainter &painter, const QRect &target)
{
    const QFont font = pictureFont();
    m_grid.paint(painter, area(), zoom(), font, palette());
    if (!m_mark.isEmpty())
        m_mark.paint(painter, font);
    if (m_numbersShown && m_board) {
        const QRectF exposed = picture().toWidget().inverted().mapRect(QRectF(target));
        QList<QPointF> named;
        for (const CanvasMark::Label &label : m_mark.labels)
            named << label.vertex;
        m_numbers.paint(painter, m_board->points(), area(), font, exposed, named);
    }
    if (m_ringed) {
        CanvasMark ring;
        ring.rings << QPointF(*m_ringed);
        ring.ink = palette().color(QPalette::Highlight);
        ring.paint(painter, font);
    }
    m_coordinates.paint(painter, coordinatedPixels(), area(), font, palette());
    if (!m_notePlacedIn.isValid())
        placeNote();
    m_note.paint(painter, m_noteBox, font, palette());
    painter.resetTransform();
    if (showsKeyboardMarks())
        paintFocus(painter);
}

void Canvas::setVertexNumbersShown(bool shown)
{
    if (shown == m_numbersShown)
        return;
    m_numbersShown = shown;
    update(contentsRect());
}

void Canvas::setGridShown(bool shown)
{
    if (shown == m_grid.isShown())
        return;
    m_grid.setShown(shown);
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
    const QRect before = m_noteBox;
    m_note = note;
    m_notePlacedIn = {};
    // A hidden canvas is painted whole when shown: the window's first note
    // is not measured before the window is on the screen.
    if (!isVisible())
        return;
    placeNote();
    update(onWidget(before | m_noteBox));
}

void Canvas::placeNote()
{
    m_noteBox = m_note.placeIn(area(), pictureFont(), picture().drawn());
    m_notePlacedIn = area().size();
}

bool Canvas::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && m_toolTipAt) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QPoint at = picture().pixelAt(help->pos());
        const QString text = area().contains(at) ? m_toolTipAt(at) : QString();
        if (text.isEmpty())
            QToolTip::showText(help->globalPos(), toolTip(), this);
        else
            QToolTip::showText(help->globalPos(), text, this, QRect(help->pos(), QSize(1, 1)));
        return true;
    }
    return PictureFrame::event(event);
}

// The focus frame just inside the border, and the crosshair. The style's
// own focus frame would tint the whole picture.
void Canvas::paintFocus(QPainter &painter) const
{
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
    painter.drawRect(contentsRect().adjusted(0, 0, -1, -1));
    m_crosshair.paint(painter, picture().toWidget(), palette().color(QPalette::Highlight));
}

// The coordinates of the pixel under the pointer, and of the crosshair
// while it shows.
std::vector<QPoint> Canvas::coordinatedPixels() const
{
    std::vector<QPoint> pixels;
    if (m_dragging)
        pixels.push_back(takenPosition());
    else if (const std::optional<QPoint> pointer = pointerPixel())
        pixels.push_back(*pointer);
    if (showsKeyboardMarks())
        pixels.push_back(m_crosshair.position());
    return pixels;
}

std::optional<QPoint> Canvas::pointerPixel() const
{
    if (!m_pointer)
        return std::nullopt;
    const QPoint at = picture().pixelAt(mapFromGlobal(*m_pointer));
    return area().contains(at) ? std::optional<QPoint>(at) : std::nullopt;
}

void Canvas::setPointer(std::optional<QPointF> global)
{
    const std::optional<QPoint> before = pointerPixel();
    m_pointer = global;
    const std::optional<QPoint> now = pointerPixel();
    if (now == before)
        return;
    if (before)
        update(coordinatesArea(*before));
    if (now)
        update(coordinatesArea(*now));
}

// Hidden, it moves with every press: its area, whose coordinates are a text
// to measure, only when it shows.
void Canvas::moveCrosshair(QPoint position, bool centred)
{
    m_crosshair.setCentred(centred);
    const QRect before = showsKeyboardMarks() ? crosshairShownArea() : QRect();
    if (m_crosshair.moveTo(position, picture().area()) && showsKeyboardMarks())
        update(before | crosshairShownArea());
}

QRect Canvas::crosshairShownArea() const
{
    return crosshairArea() | coordinatesArea(m_crosshair.position());
}

// Shows or hides the focus frame and the crosshair.
void Canvas::setKeyboardInUse(bool inUse)
{
    if (inUse == m_keyboardInUse)
        return;
    m_keyboardInUse = inUse;
    update();
}

void Canvas::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setImage(picture().imageAt100(devicePixelRatioF()));
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        emit pasteRequested();
        return;
    }
    if (moveVertexByKeys(*event))
        return;
    if (const QPoint step = KeyboardCrosshair::stepOf(*event); !step.isNull()) {
        setKeyboardInUse(true);
        moveCrosshair(m_grid.snapped(m_crosshair.position() + m_grid.stepOf(step), area()), false);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit pressed(m_grid.snapped(m_crosshair.position(), area()), Qt::LeftButton);
        break;
    default:
        PictureFrame::keyPressEvent(event);
        return;
    }
    event->accept();
}

// The marks follow how the focus came: by Tab, they show; by a click or
// from the program, they do not. Focus given back by the window, a popup
// menu or the menu bar keeps them as they were.
void Canvas::focusInEvent(QFocusEvent *event)
{
    PictureFrame::focusInEvent(event);
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

// A vertex taken, by the keyboard or the mouse, is put down: its moves are
// one step of the history.
void Canvas::focusOutEvent(QFocusEvent *event)
{
    PictureFrame::focusOutEvent(event);
    if (m_board && m_board->takenRow() >= 0)
        emit takenPutDown();
    update();
}

bool Canvas::moveVertexByKeys(const QKeyEvent &event)
{
    if (!m_board || !m_board->canTakeVertices())
        return false;
    const int count = m_board->vertices().vertexCount(), taken = m_board->takenRow();
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const int key = event.key();
    if ((key == Qt::Key_PageUp || key == Qt::Key_PageDown) && modifiers == Qt::NoModifier && count > 0) {
        const int step = key == Qt::Key_PageDown ? 1 : -1;
        emit vertexTaken(taken < 0 ? (step > 0 ? 0 : count - 1) : (taken + step + count) % count);
    } else if (key == Qt::Key_Escape && taken >= 0) {
        emit takenPutBack();
    } else if (const QPoint step = KeyboardCrosshair::stepOf(event); (modifiers & Qt::AltModifier) && taken >= 0 && !step.isNull()) {
        emit takenMoved(m_grid.snapped(takenPosition() + m_grid.stepOf(step), area()));
    } else {
        return false;
    }
    // The crosshair stands on the vertex, also when it is put back, its
    // coordinates beside it.
    setKeyboardInUse(true);
    if (const int row = std::max(taken, m_board->takenRow()); row >= 0) {
        const Point p = m_board->points()[size_t(row)];
        moveCrosshair(QPoint(int(p.x), int(p.y)), false);
    }
    return true;
}

int Canvas::takeableDotAt(QPoint pixel) const
{
    return m_board && m_board->canTakeVertices() ? FigurePainter::dotAt(m_board->points(), pixel, GrabMargin) : -1;
}

QPoint Canvas::takenPosition() const
{
    const Point p = m_board->points()[size_t(m_board->takenRow())];
    return QPoint(int(p.x), int(p.y));
}

void Canvas::ringTaken()
{
    const std::optional<QPoint> ringed = m_board->takenRow() >= 0 ? std::optional(takenPosition()) : std::nullopt;
    if (ringed == m_ringed)
        return;
    if (m_ringed)
        update(onWidget(ringReach(*m_ringed)));
    m_ringed = ringed;
    if (m_ringed)
        update(onWidget(ringReach(*m_ringed)));
}

void Canvas::shapePointer(std::optional<QPoint> pixel)
{
    if (m_dragging)
        setCursor(Qt::ClosedHandCursor);
    else if (pixel && takeableDotAt(*pixel) >= 0)
        setCursor(Qt::OpenHandCursor);
    else
        unsetCursor();
}

// However the drag ends: the button released, Escape, or the board's
// vertex put down by a command.
void Canvas::endDrag()
{
    if (!std::exchange(m_dragging, false))
        return;
    shapePointer(pointerPixel());
}

void Canvas::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = picture().pixelAt(event->position());
    setKeyboardInUse(false);
    setPointer(std::nullopt); // the new dot in sight, until the pointer moves on
    if (!picture().area().contains(at))
        return; // a press on the border is not on the board
    // A drag is a step of its own, after the keyboard's moves.
    if (const int row = event->button() == Qt::LeftButton ? takeableDotAt(at) : -1; row >= 0) {
        emit takenPutDown();
        emit vertexTaken(row);
        if (m_board->takenRow() == row) {
            m_dragging = true;
            m_grab = takenPosition() - at;
            shapePointer(at);
            return;
        }
    }
    emit pressed(m_grid.snapped(at, area()), event->button());
}

void Canvas::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging) {
        const QPoint at = picture().pixelAt(event->position());
        const QRect before = coordinatesArea(takenPosition());
        emit takenMoved(m_grid.snapped(at + m_grab, area()));
        update(before | coordinatesArea(takenPosition()));
    } else {
        setPointer(event->globalPosition());
        shapePointer(pointerPixel());
    }
    PictureFrame::mouseMoveEvent(event);
}

void Canvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_dragging && event->button() == Qt::LeftButton) {
        emit takenPutDown();
        endDrag();
        setPointer(event->globalPosition());
    }
    PictureFrame::mouseReleaseEvent(event);
}

void Canvas::leaveEvent(QEvent *event)
{
    setPointer(std::nullopt);
    PictureFrame::leaveEvent(event);
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
    return PictureFrame::inputMethodQuery(query);
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
