// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// A place in the flow of the pages: the page, counted from 0, and the height
// on it from the top of the text area.
struct PagePlace {
    int page = 0;
    qreal y = 0;
};

// Stacks pieces down pages of one height; a piece that does not fit below
// the last one starts the next page.
class PageFlow
{
public:
    explicit PageFlow(qreal pageHeight) : m_pageHeight(pageHeight) {}

    PagePlace place(qreal height)
    {
        if (m_y > 0 && m_y + height > m_pageHeight)
            newPage();
        const PagePlace at{m_page, m_y};
        m_y += height;
        return at;
    }
    // Starts the next page unless pieces of this height, taken together, fit
    // below the last one or would not fit on any page.
    void keepTogether(qreal height)
    {
        if (height <= m_pageHeight && m_y > 0 && m_y + height > m_pageHeight)
            newPage();
    }
    void skip(qreal height) { m_y += height; }
    // The height taken on the page the next piece goes to.
    qreal used() const { return m_y; }
    int pageCount() const { return m_page + 1; }

private:
    void newPage()
    {
        ++m_page;
        m_y = 0;
    }

    qreal m_pageHeight;
    int m_page = 0;
    qreal m_y = 0;
};
