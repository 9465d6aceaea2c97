// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PageFlow.h"
#include "QuickWidths.h"
#include "SheetSteps.h"
#include "Worksheet.h"

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QStringView>

#include <vector>

class FigureLines;
class PairShaper;
class QPainter;

// The worksheet laid out on its pages, in the printer's device pixels. The
// text's lines are laid out once to measure them and once more to print
// each page, so that no more than a page's lines are held at a time.
class WorksheetPages
{
public:
    // `shaper` in the content's font on the printer, shared by a class set's
    // sheets.
    WorksheetPages(QPrinter &printer, const WorksheetContent &content, const PairShaper &shaper,
                   const WorksheetProgress &progress);

    // The area the pages are written in, in the painter's coordinates: the
    // paper less a margin, and inside what the printer can print.
    static QRectF textArea(const QPrinter &printer);
    // "стр. N от M" at the foot of `area`, in the painter's font, `page`
    // counted from 0.
    static void paintPageNumber(QPainter &painter, const QRectF &area, qreal lineHeight, int page, int pages);

    // False when the progress stopped it.
    bool layOut();
    int pageCount() const { return int(m_pageStarts.size()); }
    // Paints the page and tells the progress; false when it stops.
    bool paintPage(QPainter &painter, int page) const;
    bool done() const { return m_steps.done(); }

private:
    bool measureText(QList<qreal> &heights);
    void placeText(PageFlow &flow, const QList<qreal> &heights);
    void paintHeading(QPainter &painter) const;
    void paintNameLine(QPainter &painter) const;
    bool paintPicture(QPainter &painter) const;
    void paintVertexNumbers(QPainter &painter, const FigureLines &lines) const;
    void paintFooter(QPainter &painter, int page) const;
    QRectF lineAt(PagePlace place, qreal height) const;
    QRectF pictureArea() const { return QRectF(lineAt(m_pictureAt, 0).topLeft(), m_pictureSize); }
    // The picture's pixels on the page.
    qreal pictureScale() const { return m_pictureSize.width() / m_content.pictureSize.width(); }

    QPrinter &m_printer;
    const WorksheetContent &m_content;
    QRectF m_area;
    qreal m_lineHeight;
    qreal m_pageHeight; // of the area above the footer
    PagePlace m_heading;
    PagePlace m_nameLine;
    PagePlace m_pictureAt;
    QSizeF m_pictureSize;
    QList<QStringView> m_lines; // into the content's text
    // A line sure to fit on one row is measured by the advances of its
    // characters, and drawn without a layout of its own, its baseline where
    // a layout's would be, its glyphs put together from its pairs.
    QuickWidths m_widths;
    std::vector<bool> m_oneRow; // of each line
    const PairShaper &m_shaper;
    qreal m_rowHeight;
    qreal m_rowAscent;
    QList<PagePlace> m_linePlaces;
    QList<qsizetype> m_pageStarts; // the first of the text's lines on each page
    SheetSteps m_steps;
};
