// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WorksheetPages.h"

#include "FigureLines.h"
#include "FigurePainter.h"
#include "PairShaper.h"
#include "VertexLabels.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QStringTokenizer>
#include <QTextLayout>

#include <algorithm>
#include <numeric>
#include <utility>

namespace {

constexpr qreal ScreenDpi = 96;     // the picture's logical pixels on paper
constexpr qreal MarginInches = 0.8; // about 2 cm from the paper's edge

// A short date form with the year in four digits: "d.MM.yy 'г'."
// becomes "d.MM.yyyy 'г'.", and quoted text stays as it is.
QString withFourDigitYear(const QString &format)
{
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        if (format[i] == u'\'')
            quoted = !quoted;
        qsizetype end = i;
        while (!quoted && end < format.size() && format[end] == u'y')
            ++end;
        if (end == i) {
            result += format[i++];
            continue;
        }
        result += QString(end - i == 2 ? 4 : end - i, u'y');
        i = end;
    }
    return result;
}

// The text's lines without their CR LF, as views into it: a full board's
// report is 131,000 lines, and a string of its own for each kept the window
// from repainting while they were made.
QList<QStringView> linesOf(const QString &text)
{
    QList<QStringView> lines;
    for (QStringView line : QStringTokenizer(text, u"\r\n"))
        lines.append(line);
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast(); // after the last line end
    return lines;
}

// A line as a string for Qt's text classes, without a copy.
QString stringOf(QStringView line)
{
    return QString::fromRawData(line.data(), line.size());
}

// Lays `layout` out in lines `width` wide, broken between words; returns its
// height.
qreal wrap(QTextLayout &layout, qreal width)
{
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLeadingIncluded(true);
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    return height;
}

} // namespace

QRectF WorksheetPages::textArea(const QPrinter &printer)
{
    const QPageLayout page = printer.pageLayout();
    const int dpi = printer.resolution();
    const QRectF paper = page.fullRectPixels(dpi);
    const QRectF printable = page.paintRectPixels(dpi);
    const qreal margin = MarginInches * dpi;
    const QRectF area = paper.adjusted(margin, margin, -margin, -margin).intersected(printable);
    return area.translated(-(printer.fullPage() ? paper : printable).topLeft());
}

WorksheetPages::WorksheetPages(QPrinter &printer, const WorksheetContent &content, const PairShaper &shaper,
                               const WorksheetProgress &progress)
    : m_printer(printer)
    , m_content(content)
    , m_area(textArea(printer))
    , m_lineHeight(QFontMetricsF(content.font, &printer).lineSpacing())
    , m_pageHeight(std::max(m_area.height() - 2 * m_lineHeight, m_lineHeight))
    , m_lines(linesOf(content.text))
    , m_widths(content.font, &printer)
    , m_shaper(shaper)
    , m_steps(progress, m_lines.size())
{
    QTextLayout row(QStringLiteral("0"), m_content.font, &m_printer);
    m_rowHeight = wrap(row, m_area.width());
    m_rowAscent = row.lineAt(0).ascent();
}

bool WorksheetPages::layOut()
{
    PageFlow flow(m_pageHeight);
    m_heading = flow.place(m_lineHeight);
    flow.skip(m_lineHeight / 2);
    m_nameLine = flow.place(m_lineHeight);
    flow.skip(m_lineHeight);

    QList<qreal> heights;
    if (!measureText(heights))
        return false;
    // As wide as the text, unless the page is not high enough; smaller, down
    // to half as wide, where that keeps the whole sheet on one page.
    const QSizeF canvas = m_content.pictureSize.isEmpty() ? QSizeF(1, 1) : QSizeF(m_content.pictureSize);
    m_pictureSize = canvas.scaled(QSizeF(m_area.width(), m_pageHeight), Qt::KeepAspectRatio);
    const qreal text = std::accumulate(heights.begin(), heights.end(), qreal(0));
    const qreal room = m_pageHeight - flow.used() - m_lineHeight - text;
    if (room < m_pictureSize.height() && room >= m_pictureSize.height() / 2)
        m_pictureSize *= room / m_pictureSize.height();
    m_pictureAt = flow.place(m_pictureSize.height());
    flow.skip(m_lineHeight);

    placeText(flow, heights);
    const int pages = flow.pageCount();
    for (int page = 0; page < pages; ++page) {
        const auto first = std::lower_bound(m_linePlaces.begin(), m_linePlaces.end(), page,
                                            [](PagePlace place, int p) { return place.page < p; });
        m_pageStarts.append(first - m_linePlaces.begin());
    }
    return true;
}

// Each line's height, wrapped to the page's width.
bool WorksheetPages::measureText(QList<qreal> &heights)
{
    heights.reserve(m_lines.size());
    m_oneRow.reserve(size_t(m_lines.size()));
    for (const QStringView line : std::as_const(m_lines)) {
        m_oneRow.push_back(m_widths.fitOnOneRow(line, m_area.width()));
        if (m_oneRow.back()) {
            heights.append(m_rowHeight);
        } else {
            QTextLayout layout(stringOf(line), m_content.font, &m_printer);
            heights.append(wrap(layout, m_area.width()));
        }
        if (!m_steps.measured(heights.size()))
            return false;
    }
    return true;
}

// A paragraph that fits on a page is kept on one; the last one, the total,
// with the one before it, so that no page holds the total alone.
void WorksheetPages::placeText(PageFlow &flow, const QList<qreal> &heights)
{
    qsizetype lastParagraph = heights.size();
    while (lastParagraph > 0 && m_lines[lastParagraph - 1].isEmpty())
        --lastParagraph;
    while (lastParagraph > 0 && !m_lines[lastParagraph - 1].isEmpty())
        --lastParagraph;
    m_linePlaces.reserve(heights.size());
    for (qsizetype i = 0; i < heights.size(); ++i) {
        const bool startsParagraph = !m_lines[i].isEmpty() && (i == 0 || m_lines[i - 1].isEmpty());
        if (startsParagraph) {
            qreal paragraph = 0;
            bool last = false;
            for (qsizetype j = i; j < heights.size() && (!m_lines[j].isEmpty() || (!last && j + 1 == lastParagraph));
                 ++j) {
                paragraph += heights[j];
                last |= j + 1 == lastParagraph;
            }
            flow.keepTogether(paragraph);
        }
        m_linePlaces.append(flow.place(heights[i]));
    }
}

bool WorksheetPages::paintPage(QPainter &painter, int page) const
{
    painter.setPen(Qt::black);
    if (page == m_heading.page)
        paintHeading(painter);
    if (page == m_nameLine.page)
        paintNameLine(painter);
    if (page == m_pictureAt.page && !paintPicture(painter))
        return false;
    const qsizetype end = page + 1 < pageCount() ? m_pageStarts[page + 1] : m_lines.size();
    painter.setFont(m_content.font);
    for (qsizetype i = m_pageStarts[page]; i < end; ++i) {
        const QPointF at = lineAt(m_linePlaces[i], 0).topLeft();
        if (m_oneRow[size_t(i)]) {
            const QPointF baseline = at + QPointF(0, m_rowAscent);
            if (const std::optional<QGlyphRun> glyphs = m_shaper.glyphsOf(m_lines[i]))
                painter.drawGlyphRun(baseline, *glyphs);
            else
                painter.drawText(baseline, stringOf(m_lines[i]));
            continue;
        }
        QTextLayout layout(stringOf(m_lines[i]), m_content.font, &m_printer);
        wrap(layout, m_area.width());
        layout.draw(&painter, at);
    }
    paintFooter(painter, page);
    return m_steps.painted(end);
}

QRectF WorksheetPages::lineAt(PagePlace place, qreal height) const
{
    return QRectF(m_area.left(), m_area.top() + place.y, m_area.width(), height);
}

void WorksheetPages::paintHeading(QPainter &painter) const
{
    const QRectF heading = lineAt(m_heading, m_lineHeight);
    QFont bold = m_content.font;
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(heading, Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Геометрия - неправилен, изпъкнал N-ъгълник"));
    painter.setFont(m_content.font);
    // In Bulgarian, as every word of the sheet, whatever the system's language.
    const QLocale bulgarian(QLocale::Bulgarian, QLocale::Bulgaria);
    painter.drawText(heading, Qt::AlignRight | Qt::AlignVCenter,
                     bulgarian.toString(m_content.date, withFourDigitYear(bulgarian.dateFormat(QLocale::ShortFormat))));
}

void WorksheetPages::paintNameLine(QPainter &painter) const
{
    painter.setFont(m_content.font);
    painter.drawText(lineAt(m_nameLine, m_lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Име: ______________  Клас: ______"));
    if (!m_content.mark.isEmpty()) {
        QFont bold = m_content.font;
        bold.setBold(true);
        painter.setFont(bold);
        painter.drawText(lineAt(m_nameLine, m_lineHeight), Qt::AlignRight | Qt::AlignVCenter, m_content.mark);
    }
}

// The picture in a thin grey frame just outside it, so that its white shows
// on white paper: the figure as lines and dots, as thick as the canvas's
// one-pixel lines and five-pixel dots at this size, and no image.
bool WorksheetPages::paintPicture(QPainter &painter) const
{
    if (m_content.pictureSize.isEmpty())
        return true;
    const QRectF picture = pictureArea();
    const qreal frame = m_printer.resolution() / ScreenDpi;
    painter.save();
    painter.setPen(QPen(Qt::gray, frame));
    painter.drawRect(picture.adjusted(-frame / 2, -frame / 2, frame / 2, frame / 2));
    painter.setClipRect(picture);
    const qreal scale = pictureScale();
    FigureLines lines;
    lines.toPage = QTransform(scale, 0, 0, scale, picture.left(), picture.top());
    lines.sideWidth = lines.diagonalWidth = scale;
    lines.dotWidth = FigurePainter::DotWidth * scale;
    lines.wholeUnits = true;
    lines.draw(painter, m_content.figure, m_content.vertices);
    painter.restore();
    // A full board's lines and its numbers take some 50 ms each: the window
    // repaints between them.
    if (!m_steps.pictured(1))
        return false;
    paintVertexNumbers(painter, lines);
    return m_steps.pictured(2);
}

// In a smaller face of the window's font, as text on the paper, not in the
// picture's pixels.
void WorksheetPages::paintVertexNumbers(QPainter &painter, const FigureLines &lines) const
{
    QFont font = m_content.font;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 0.75);
    const QFontMetricsF metrics(font, &m_printer);

    std::vector<QPointF> dots;
    std::vector<QString> numbers;
    std::vector<QRectF> inks; // each number's glyphs, from its baseline's start
    std::vector<QSizeF> sizes;
    for (size_t i = 0; i < m_content.vertices.size(); ++i) {
        dots.push_back(lines.dotCentre(m_content.vertices[i]));
        numbers.push_back(QString::number(i + 1));
        inks.push_back(metrics.tightBoundingRect(numbers.back()));
        sizes.push_back(inks.back().size());
    }
    const std::vector<QRectF> places = placeVertexLabels(dots, lines.dotWidth / 2, sizes, pictureArea());
    painter.setFont(font);
    for (size_t i = 0; i < places.size(); ++i)
        if (!places[i].isNull())
            painter.drawText(places[i].topLeft() - inks[i].topLeft(), numbers[i]);
}

void WorksheetPages::paintFooter(QPainter &painter, int page) const
{
    painter.setFont(m_content.font);
    paintPageNumber(painter, m_area, m_lineHeight, page, pageCount());
}

void WorksheetPages::paintPageNumber(QPainter &painter, const QRectF &area, qreal lineHeight, int page, int pages)
{
    const QRectF footer(area.left(), area.bottom() - lineHeight, area.width(), lineHeight);
    painter.drawText(footer, Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("стр. %1 от %2").arg(page + 1).arg(pages));
}
