// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowZoom.h"

#include "ApplicationZoom.h"
#include "WindowPlacement.h"

#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {

// A rectangle times the factor, its edges rounded, so that controls that
// touch or overlap by a pixel at 100 % still do.
QRect scaled(const QRect &rect, qreal factor)
{
    const auto edge = [factor](int at) { return int(std::lround(at * factor)); };
    return QRect(QPoint(edge(rect.left()), edge(rect.top())),
                 QPoint(edge(rect.right() + 1) - 1, edge(rect.bottom() + 1) - 1));
}

QSize scaled(QSize size, qreal factor)
{
    return QSize(int(std::lround(size.width() * factor)), int(std::lround(size.height() * factor)));
}

} // namespace

WindowZoom::WindowZoom(QMainWindow *window)
    : QObject(window), m_window(window), m_page(window->centralWidget()), m_menuBar(window->menuBar()),
      m_menuBarFont(m_menuBar->font())
{
    m_lettered.push_back({window, window->font(), window->font()});
    for (QWidget *widget : window->findChildren<QWidget *>())
        if (!widget->isWindow())
            m_lettered.push_back({widget, widget->font(), widget->font()});
    m_pageSize = m_page->size();
    for (QWidget *control : m_page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!control->isWindow())
            m_placed.push_back({control, control->geometry()});
    window->installEventFilter(this);
}

// The page times the zoom, under the menu bar in its zoomed font, as the
// window's layout puts them together.
QSize WindowZoom::windowSizeAt(int percent) const
{
    const size_t step = size_t(std::clamp(percent - Smallest, 0, Largest - Smallest) / Step);
    QSize &size = m_sizes[step];
    if (size.isEmpty()) {
        const qreal factor = (Smallest + int(step) * Step) / 100.0;
        size = scaled(m_pageSize, factor);
        size.rheight() += menuBarHeight(ApplicationZoom::zoomed(m_menuBarFont, factor), size.width());
    }
    return size;
}

// Measured on a menu bar of the same items, style and font, on the window's
// screen, never shown: the window's own stays as it is.
int WindowZoom::menuBarHeight(const QFont &font, int width) const
{
    QMenuBar probe(m_window);
    probe.setNativeMenuBar(false);
    probe.setStyle(m_menuBar->style());
    probe.setFont(font);
    probe.addActions(m_menuBar->actions());
    return std::max(probe.heightForWidth(width), 0);
}

bool WindowZoom::fits(int percent, QMargins frame, QSize room) const
{
    const QSize whole = windowSizeAt(percent) + QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    return whole.width() <= room.width() && whole.height() <= room.height();
}

int WindowZoom::largestFitting(QMargins frame, QSize room) const
{
    int percent = Largest;
    while (percent > Smallest && !fits(percent, frame, room))
        percent -= Step;
    return percent;
}

void WindowZoom::choose(int percent)
{
    m_chosen = std::clamp(Smallest + (percent - Smallest) / Step * Step, Smallest, Largest);
    fit();
}

void WindowZoom::zoomIn()
{
    if (m_percent < Largest && fitsItsScreen(m_percent + Step))
        chooseAndRemember(m_percent + Step);
}

void WindowZoom::zoomOut()
{
    chooseAndRemember(m_percent - Step);
}

void WindowZoom::reset()
{
    chooseAndRemember(Smallest);
}

void WindowZoom::chooseAndRemember(int percent)
{
    choose(percent);
    emit chosen(m_chosen);
}

// On the window's screen as it is shown there, its frame included where it
// is known.
bool WindowZoom::fitsItsScreen(int percent) const
{
    const QWindow *shown = m_window->windowHandle();
    const QScreen *screen = m_window->screen();
    return !screen || fits(percent, shown ? shown->frameMargins() : QMargins(), screen->availableGeometry().size());
}

// The zoom chosen, or the largest below it that fits; steps above it are
// not measured.
void WindowZoom::fit()
{
    int percent = m_chosen;
    while (percent > Smallest && !fitsItsScreen(percent))
        percent -= Step;
    show(percent);
}

// Shown and moved, the window fits itself to its screen: the frame a window
// manager adds becomes known once the window is placed, and moves it, and a
// window moves to another screen. Another screen may have another
// resolution: the sizes are measured there afresh.
bool WindowZoom::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && (event->type() == QEvent::Show || event->type() == QEvent::Move)) {
        if (m_window->screen() != m_screen) {
            if (m_screen)
                disconnect(m_screen, nullptr, this, nullptr);
            m_screen = m_window->screen();
            m_sizes = {};
            connect(m_screen, &QScreen::availableGeometryChanged, this, &WindowZoom::fit);
        }
        fit();
    }
    return QObject::eventFilter(watched, event);
}

void WindowZoom::show(int percent)
{
    if (percent == m_percent)
        return;
    const qreal before = m_percent / 100.0;
    m_percent = percent;
    emit zoomed(m_percent);
    apply(m_percent / 100.0, before);
}

void WindowZoom::apply(qreal factor, qreal before)
{
    // Whether the user changed a font is judged before any is set, since a
    // parent's font reaches its children; then set from the window down.
    std::vector<QFont> fonts;
    for (Lettered &lettered : m_lettered) {
        const QFont now = lettered.widget ? lettered.widget->font() : QFont();
        fonts.push_back(now == lettered.shown ? ApplicationZoom::zoomed(lettered.font, factor)
                                              : ApplicationZoom::zoomed(now, factor / before));
    }
    for (size_t i = 0; i < m_lettered.size(); ++i) {
        if (!m_lettered[i].widget)
            continue;
        m_lettered[i].shown = fonts[i];
        m_lettered[i].widget->setFont(fonts[i]);
    }
    m_page->setFixedSize(scaled(m_pageSize, factor));
    for (const Placed &placed : m_placed)
        if (placed.widget)
            placed.widget->setGeometry(scaled(placed.geometry, factor));
    m_window->layout()->activate();
    if (m_window->isVisible())
        keepOnScreen(*m_window);
}
