// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <array>
#include <vector>

class QMainWindow;
class QMenuBar;
class QScreen;

// The main window's zoom, from 100 % to 300 % in steps of 25 %, never
// beyond what fits its screen as shown: the whole window, its frame and
// menu bar included, inside the screen's available area (the task bar left
// out). Everything grows together from the window's layout at 100 %, so
// that at 100 % the window is exactly as it was laid out. The page (the
// central widget, whose controls are placed by hand) keeps its fixed size
// times the zoom, and each control on it its place and size times the
// zoom; every control's font grows by the zoom, set on each (a control
// with a style sheet takes no font from its parent), and a font the user
// changed (the report box's text size, by Ctrl and the wheel) grows from
// what it is. The menu bar, laid out by the window, follows its font.
//
// The zoom the teacher chose is kept apart from the one shown: a smaller
// screen shows less without forgetting it. The window fits itself anew,
// up to the zoom chosen, when it is shown, when its frame becomes known,
// when it moves to another screen and when its screen's free area changes.
class WindowZoom : public QObject
{
    Q_OBJECT

public:
    static constexpr int Smallest = 100;
    static constexpr int Largest = 300;
    static constexpr int Step = 25;

    // Takes the window as it is laid out now, at 100 %.
    explicit WindowZoom(QMainWindow *window);

    // The zoom shown, and the one chosen.
    int percent() const { return m_percent; }
    int chosenPercent() const { return m_chosen; }
    // The window's size at a step, its frame left out.
    QSize windowSizeAt(int percent) const;
    // The largest step at which the window with a frame of `frame` fits in
    // `room`; 100 % where none does.
    int largestFitting(QMargins frame, QSize room) const;

public slots:
    // The teacher's zoom, shown as far as the screen has room for it.
    void choose(int percent);
    // Steps from the zoom shown; a step the screen has no room for is not
    // taken, and leaves the zoom chosen as it was.
    void zoomIn();
    void zoomOut();
    void reset();

signals:
    // Said before the window is laid out anew, so that a control that keeps
    // its own coordinates (the canvas) knows its size at 100 % still.
    void zoomed(int percent);
    // The teacher chose a zoom, to be remembered.
    void chosen(int percent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

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

    void chooseAndRemember(int percent);
    bool fits(int percent, QMargins frame, QSize room) const;
    bool fitsItsScreen(int percent) const;
    void fit();
    int menuBarHeight(const QFont &font, int width) const;
    void show(int percent);
    void apply(qreal factor, qreal before);

    QMainWindow *m_window;
    QWidget *m_page;
    QMenuBar *m_menuBar;
    QFont m_menuBarFont; // at 100 %
    std::vector<Lettered> m_lettered;
    QSize m_pageSize;
    std::vector<Placed> m_placed;
    mutable std::array<QSize, (Largest - Smallest) / Step + 1> m_sizes; // at each step, on this screen
    QPointer<QScreen> m_screen;
    int m_percent = Smallest;
    int m_chosen = Smallest;
};
