// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Canvas.h"

#include "Board.h"
#include "FigurePainter.h"

#include <QClipboard>
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

} // namespace

Canvas::Canvas(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
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
    damage(FigurePainter(m_picture).drawFigure(m_board->figure(), m_board->points()));
}

void Canvas::drawPlaced(int first, int count)
{
    damage(FigurePainter(m_picture).drawVertices(m_board->points().data() + first, count));
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
    if (devicePixelRatioF() != m_picture.devicePixelRatio())
        fitPicture();
    QFrame::paintEvent(event);

    // Only the damaged part of the inner area is copied from the picture.
    const QRect target = event->rect() & contentsRect();
    if (target.isEmpty())
        return;
    const qreal ratio = m_picture.devicePixelRatio();
    const QRectF source(QPointF(target.topLeft() - contentsRect().topLeft()) * ratio, QSizeF(target.size()) * ratio);
    QPainter painter(this);
    painter.drawImage(QRectF(target), m_picture.image(), source);
    if (!m_mark.isEmpty())
        paintMark(painter);
    if (showsKeyboardMarks())
        paintFocus(painter);
}

void Canvas::setMark(const CanvasMark &mark)
{
    if (m_mark.isEmpty() && mark.isEmpty())
        return;
    const QRect before = markArea();
    m_mark = mark;
    update(before | markArea());
}

// Where the mark is drawn, in widget coordinates, its labels' room included.
QRect Canvas::markArea() const
{
    QPolygonF points = m_mark.area;
    for (const CanvasMark::Label &label : m_mark.labels)
        points << label.vertex;
    for (QPointF ring : m_mark.rings)
        points << ring;
    if (points.isEmpty())
        return {};
    const int reach = MarkReach + fontMetrics().height() + fontMetrics().horizontalAdvance(QStringLiteral("32767"));
    return points.boundingRect().toAlignedRect().adjusted(-reach, -reach, reach, reach).translated(contentsRect().topLeft())
        & contentsRect();
}

// The area is multiplied into the picture, so that its white takes the
// mark's colour and its black lines stay black over it; the numbers stand
// on a pale ground beside their dots.
void Canvas::paintMark(QPainter &painter)
{
    painter.save();
    painter.setClipRect(contentsRect());
    painter.translate(contentsRect().topLeft() + QPointF(0.5, 0.5));
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
    const QFontMetrics metrics = fontMetrics();
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
        const QPoint at = help->pos() - contentsRect().topLeft();
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
    painter.setClipRect(contentsRect());
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
    painter.drawRect(contentsRect().adjusted(0, 0, -1, -1));

    const QPointF centre = QPointF(contentsRect().topLeft() + m_crosshair) + QPointF(0.5, 0.5);
    for (const QPointF direction : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)})
        painter.drawLine(centre + 2 * direction, centre + CrosshairReach * direction);
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
    const QRect inside = area();
    if (inside.isEmpty())
        return;
    const QPoint kept(std::clamp(position.x(), inside.left(), inside.right()),
                      std::clamp(position.y(), inside.top(), inside.bottom()));
    if (kept == m_crosshair)
        return;
    const QRect before = crosshairArea();
    m_crosshair = kept;
    if (showsKeyboardMarks())
        update(before | crosshairArea());
}

// Where the crosshair is drawn, in widget coordinates.
QRect Canvas::crosshairArea() const
{
    return QRect(m_crosshair, QSize(1, 1))
        .adjusted(-CrosshairReach - 1, -CrosshairReach - 1, CrosshairReach + 1, CrosshairReach + 1)
        .translated(contentsRect().topLeft());
}

// Shows or hides the focus frame and the crosshair.
void Canvas::setKeyboardInUse(bool inUse)
{
    if (inUse == m_keyboardInUse)
        return;
    m_keyboardInUse = inUse;
    update();
}

void Canvas::copyPicture() const
{
    QGuiApplication::clipboard()->setImage(m_picture.image());
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
    const QPointF inner = event->position() - QPointF(contentsRect().topLeft());
    const QPoint at(int(std::floor(inner.x())), int(std::floor(inner.y())));
    setKeyboardInUse(false);
    if (!area().contains(at))
        return; // a press on the border is not on the board
    emit pressed(at, event->button());
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
    fitPicture();
}

// The picture follows the inner area's size and the screen's pixel ratio;
// what was drawn stays.
void Canvas::fitPicture()
{
    const QSize size = contentsRect().size();
    const qreal ratio = devicePixelRatioF();
    if (size == m_picture.size() && ratio == m_picture.devicePixelRatio() && !m_picture.image().isNull())
        return;
    m_picture = m_picture.fitted(size, ratio);
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
    const QRect clipped = area & this->area();
    if (clipped.isEmpty())
        return;
    if (m_damage.isEmpty())
        QMetaObject::invokeMethod(this, &Canvas::showDamage, Qt::QueuedConnection);
    m_damage |= clipped;
}

void Canvas::showDamage()
{
    update(m_damage.translated(contentsRect().topLeft()));
    m_damage = QRect();
}
