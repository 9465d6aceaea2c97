// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <vector>

class QWidget;

// A window's zoom, from 100 % to 300 % in steps of 25 %, never beyond what
// fits its screen: everything grows together from the window's layout at
// 100 %, so that at 100 % the window is exactly as it was laid out. The
// page, the part of the window whose controls are placed by hand, keeps its
// fixed size times the zoom, and each control on it its place and size times
// the zoom; every control's font grows by the zoom, set on each (a control
// with a style sheet takes no font from its parent), and a font the user
// changed (the report box's text size, by Ctrl and the wheel) grows from
// what it is. Parts laid out by Qt's layouts (the menu bar) follow their
// fonts.
//
// Another window follows this one's zoom by connecting `zoomed` to its own
// WindowZoom's setPercent.
class WindowZoom : public QObject
{
    Q_OBJECT

public:
    static constexpr int Smallest = 100;
    static constexpr int Largest = 300;
    static constexpr int Step = 25;

    // Takes the window and its page as they are laid out now, at 100 %.
    explicit WindowZoom(QWidget *window, QWidget *page = nullptr);

    int percent() const { return m_percent; }
    // The largest step at which the window fits its screen's available area.
    int largestFitting() const;

public slots:
    // The nearest step at or below `percent` that fits, at least 100 %.
    void setPercent(int percent);
    void zoomIn() { setPercent(m_percent + Step); }
    void zoomOut() { setPercent(m_percent - Step); }
    void reset() { setPercent(Smallest); }

signals:
    // Said before the window is laid out anew, so that a control that keeps
    // its own coordinates (the canvas) knows its size at 100 % still.
    void zoomed(int percent);

private:
    struct Placed {
        QPointer<QWidget> widget;
        QRect geometry;
    };
    struct Lettered {
        QPointer<QWidget> widget;
        QFont font;   // at 100 %
        QFont shown;  // as last set
    };

    void apply(qreal factor, qreal before);
    void keepOnScreen();

    QWidget *m_window;
    QWidget *m_page;
    std::vector<Lettered> m_lettered;
    QSize m_pageSize;
    QSize m_windowSize;
    std::vector<Placed> m_placed;
    int m_percent = Smallest;
};
