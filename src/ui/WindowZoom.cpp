// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowZoom.h"

#include <QLayout>
#include <QScreen>
#include <QWidget>

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

QFont scaled(QFont font, qreal factor)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * factor))));
    return font;
}

} // namespace

WindowZoom::WindowZoom(QWidget *window, QWidget *page)
    : QObject(window), m_window(window), m_page(page)
{
    m_lettered.push_back({window, window->font(), window->font()});
    for (QWidget *widget : window->findChildren<QWidget *>())
        if (!widget->isWindow())
            m_lettered.push_back({widget, widget->font(), widget->font()});
    if (m_window->layout())
        m_window->layout()->activate();
    m_windowSize = m_window->layout() ? m_window->layout()->sizeHint() : m_window->size();
    if (!m_page)
        return;
    m_pageSize = m_page->size();
    for (QWidget *control : m_page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!control->isWindow())
            m_placed.push_back({control, control->geometry()});
}

int WindowZoom::largestFitting() const
{
    const QScreen *screen = m_window->screen();
    if (!screen || m_windowSize.isEmpty())
        return Smallest;
    // The frame the window manager draws round the window stays as it is.
    const QSize frame = m_window->frameGeometry().size() - m_window->geometry().size();
    const QSize room = screen->availableGeometry().size() - frame;
    const qreal fits = std::min(qreal(room.width()) / m_windowSize.width(), qreal(room.height()) / m_windowSize.height());
    const int steps = int(std::floor((fits * 100 - Smallest) / Step + 1e-9));
    return std::clamp(Smallest + steps * Step, Smallest, Largest);
}

void WindowZoom::setPercent(int percent)
{
    const int step = Smallest + (std::max(percent, Smallest) - Smallest) / Step * Step;
    const int chosen = std::min(step, largestFitting());
    if (chosen == m_percent)
        return;
    const qreal before = m_percent / 100.0;
    m_percent = chosen;
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
        fonts.push_back(now == lettered.shown ? scaled(lettered.font, factor) : scaled(now, factor / before));
    }
    for (size_t i = 0; i < m_lettered.size(); ++i) {
        if (!m_lettered[i].widget)
            continue;
        m_lettered[i].shown = fonts[i];
        m_lettered[i].widget->setFont(fonts[i]);
    }
    if (m_page)
        m_page->setFixedSize(scaled(m_pageSize, factor));
    for (const Placed &placed : m_placed)
        if (placed.widget)
            placed.widget->setGeometry(scaled(placed.geometry, factor));
    if (m_window->layout())
        m_window->layout()->activate();
    keepOnScreen();
}

// The window moved back inside its screen's available area where it grew
// out of it.
void WindowZoom::keepOnScreen()
{
    const QScreen *screen = m_window->screen();
    if (!screen || !m_window->isVisible())
        return;
    const QRect room = screen->availableGeometry();
    const QRect frame = m_window->frameGeometry();
    const QPoint moved(std::max(room.left(), std::min(frame.left(), room.right() + 1 - frame.width())),
                       std::max(room.top(), std::min(frame.top(), room.bottom() + 1 - frame.height())));
    if (moved != frame.topLeft())
        m_window->move(moved);
}
