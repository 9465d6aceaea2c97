// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowPlacement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <iterator>

namespace {

enum class Side { Right, Left, Below, Above };

struct Room {
    Side side;
    QRect area;
};

qint64 areaOf(QSize size)
{
    return qint64(std::max(size.width(), 0)) * std::max(size.height(), 0);
}

// The rectangle in the room, next to the window and level with it.
QRect placedIn(const Room &room, QSize size, const QRect &window)
{
    QRect placed(QPoint(), size.boundedTo(room.area.size()));
    switch (room.side) {
    case Side::Right: placed.moveTopLeft(QPoint(room.area.left(), window.top())); break;
    case Side::Left: placed.moveTopRight(QPoint(room.area.right(), window.top())); break;
    case Side::Below: placed.moveTopLeft(QPoint(window.left(), room.area.top())); break;
    case Side::Above: placed.moveBottomLeft(QPoint(window.left(), room.area.bottom())); break;
    }
    // Kept inside the room.
    placed.moveLeft(std::clamp(placed.left(), room.area.left(), room.area.right() - placed.width() + 1));
    placed.moveTop(std::clamp(placed.top(), room.area.top(), room.area.bottom() - placed.height() + 1));
    return placed;
}

} // namespace

QRect besideWindow(const QRect &window, QSize size, const QRect &screen, QSize least)
{
    const Room rooms[] = {
        {Side::Right, QRect(QPoint(window.right() + 1, screen.top()), screen.bottomRight())},
        {Side::Left, QRect(screen.topLeft(), QPoint(window.left() - 1, screen.bottom()))},
        {Side::Below, QRect(QPoint(screen.left(), window.bottom() + 1), screen.bottomRight())},
        {Side::Above, QRect(screen.topLeft(), QPoint(screen.right(), window.top() - 1))},
    };
    const auto whole = std::find_if(std::begin(rooms), std::end(rooms), [size](const Room &room) {
        return room.area.width() >= size.width() && room.area.height() >= size.height();
    });
    if (whole != std::end(rooms))
        return placedIn(*whole, size, window);
    const Room &most = *std::max_element(std::begin(rooms), std::end(rooms), [size](const Room &a, const Room &b) {
        return areaOf(size.boundedTo(a.area.size())) < areaOf(size.boundedTo(b.area.size()));
    });
    const QSize fits = size.boundedTo(most.area.size());
    if (fits.width() >= std::max(size.width() / 2, least.width())
        && fits.height() >= std::max(size.height() / 3, least.height()))
        return placedIn(most, size, window);
    const QSize onScreen = size.boundedTo(screen.size());
    return QRect(QPoint(screen.right() - onScreen.width() + 1, screen.top()), onScreen);
}

void placeBesideMainWindow(QWidget &shown, QSize wanted)
{
    const QWidget *window = shown.parentWidget() ? shown.parentWidget()->window() : nullptr;
    if (!window)
        return;
    // The frame the window manager will add, as the main window has it.
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    // A window that cannot be made smaller than its least size, as the
    // practice's at a large zoom, stays whole on the screen.
    const QRect placed = besideWindow(window->frameGeometry(), wanted + frame, window->screen()->availableGeometry(),
                                      shown.minimumSizeHint() + frame);
    shown.setGeometry(QRect(placed.topLeft() + (window->geometry().topLeft() - window->frameGeometry().topLeft()),
                            placed.size() - frame));
}

void keepOnScreen(QWidget &shown)
{
    const QRect screen = shown.screen()->availableGeometry();
    const QRect frame = shown.frameGeometry();
    const QPoint inside(std::max(std::min(frame.left(), screen.right() - frame.width() + 1), screen.left()),
                        std::max(std::min(frame.top(), screen.bottom() - frame.height() + 1), screen.top()));
    if (inside != frame.topLeft())
        shown.move(shown.pos() + (inside - frame.topLeft()));
}
