// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Worksheet.h"

#include "FigureLines.h"
#include "FigurePainter.h"
#include "PairShaper.h"
#include "VertexLabels.h"
#include "WholeFile.h"

#include <QFontMetricsF>
#include <QHash>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QStringTokenizer>
#include <QTemporaryDir>
#include <QTextLayout>

#include <algorithm>
#include <memory>
#include <utility>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

constexpr qreal ScreenDpi = 96;     // the picture's logical pixels on paper
constexpr qreal MarginInches = 0.8; // about 2 cm from the paper's edge
// Painting a line on a page takes some forty times as long as measuring it
// by its characters' advances.
constexpr int PaintSteps = 40;

// A place in the flow of the pages: the page, counted from 0, and the height
// on it from the top of the text area.
struct Place {
    int page = 0;
    qreal y = 0;
};

// Stacks pieces down pages of one height; a piece that does not fit below
// the last one starts the next page.
class PageFlow
{
public:
    explicit PageFlow(qreal pageHeight) : m_pageHeight(pageHeight) {}

    Place place(qreal height)
    {
        if (m_y > 0 && m_y + height > m_pageHeight)
            newPage();
        const Place at{m_page, m_y};
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

// A sheet's steps as its progress is told them: one for each line
// measured, one for the picture's lines and one for its numbers,
// PaintSteps for each line painted, and one for the sheet done.
class Steps
{
public:
    Steps(const WorksheetProgress &progress, qsizetype lines) : m_progress(progress), m_lines(int(lines)) {}

    bool measured(qsizetype lines) const { return reach(int(lines)); }
    bool pictured(int part) const { return reach(m_lines + part); }
    bool painted(qsizetype lines) const { return reach(m_lines + PictureSteps + PaintSteps * int(lines)); }
    bool done() const { return reach(total()); }

private:
    static constexpr int PictureSteps = 2;
    int total() const { return (1 + PaintSteps) * m_lines + PictureSteps + 1; }
    bool reach(int step) const { return !m_progress || m_progress(step, total()); }

    const WorksheetProgress &m_progress;
    int m_lines;
};

// The user's short date form with the year in four digits: "d.MM.yy 'г'."
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

// The widths of lines of text as the sums of their characters' advances, so
// that a line sure to fit on one row is measured without laying it out: a
// full board's report is 131,000 lines, nearly all of them short.
class QuickWidths
{
public:
    QuickWidths(const QFont &font, QPaintDevice *device) : m_metrics(font, device) {}

    // Whether the line fits in `width` on one row with room to spare for
    // kerning, every character of it in the font itself.
    bool fitOnOneRow(QStringView line, qreal width) const
    {
        qreal sum = 0;
        for (const QChar c : line) {
            auto advance = m_advances.constFind(c.unicode());
            if (advance == m_advances.constEnd())
                advance = m_advances.insert(c.unicode(), c.isSurrogate() || !m_metrics.inFont(c) ? -1
                                                                                                 : m_metrics.horizontalAdvance(c));
            if (*advance < 0)
                return false;
            sum += *advance;
        }
        return sum <= width * 0.95;
    }

private:
    QFontMetricsF m_metrics;
    mutable QHash<char16_t, qreal> m_advances; // -1 for a character to lay out
};

// The area the pages are written in, in the painter's coordinates: the
// paper less a margin, and inside what the printer can print.
QRectF textAreaOf(const QPrinter &printer)
{
    const QPageLayout page = printer.pageLayout();
    const int dpi = printer.resolution();
    const QRectF paper = page.fullRectPixels(dpi);
    const QRectF printable = page.paintRectPixels(dpi);
    const qreal margin = MarginInches * dpi;
    const QRectF area = paper.adjusted(margin, margin, -margin, -margin).intersected(printable);
    return area.translated(-(printer.fullPage() ? paper : printable).topLeft());
}

// The worksheet laid out on its pages, in the printer's device pixels. The
// text's lines are laid out once to measure them and once more to print
// each page, so that no more than a page's lines are held at a time.
class Worksheet
{
public:
    // `shaper` in the content's font on the printer, shared by a class set's
    // sheets.
    Worksheet(QPrinter &printer, const WorksheetContent &content, const PairShaper &shaper,
              const WorksheetProgress &progress);

    // False when the progress stopped it.
    bool layOut();
    int pageCount() const { return int(m_pageStarts.size()); }
    // Paints the page and tells the progress; false when it stops.
    bool paintPage(QPainter &painter, int page) const;
    bool done() const { return m_steps.done(); }

private:
    bool placeText(PageFlow &flow);
    void paintHeading(QPainter &painter) const;
    void paintNameLine(QPainter &painter) const;
    bool paintPicture(QPainter &painter) const;
    void paintVertexNumbers(QPainter &painter, const FigureLines &lines) const;
    void paintFooter(QPainter &painter, int page) const;
    QRectF lineAt(Place place, qreal height) const;
    QRectF pictureArea() const { return QRectF(lineAt(m_pictureAt, 0).topLeft(), m_pictureSize); }
    // The picture's pixels on the page.
    qreal pictureScale() const { return m_pictureSize.width() / m_content.pictureSize.width(); }

    QPrinter &m_printer;
    const WorksheetContent &m_content;
    QRectF m_area;
    qreal m_lineHeight;
    qreal m_pageHeight; // of the area above the footer
    Place m_heading;
    Place m_nameLine;
    Place m_pictureAt;
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
    QList<Place> m_linePlaces;
    QList<qsizetype> m_pageStarts; // the first of the text's lines on each page
    Steps m_steps;
};

Worksheet::Worksheet(QPrinter &printer, const WorksheetContent &content, const PairShaper &shaper,
                     const WorksheetProgress &progress)
    : m_printer(printer)
    , m_content(content)
    , m_area(textAreaOf(printer))
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

bool Worksheet::layOut()
{
    PageFlow flow(m_pageHeight);
    m_heading = flow.place(m_lineHeight);
    flow.skip(m_lineHeight / 2);
    m_nameLine = flow.place(m_lineHeight);
    flow.skip(m_lineHeight);

    // As wide as the text, unless the page is not high enough.
    const QSizeF canvas = m_content.pictureSize.isEmpty() ? QSizeF(1, 1) : QSizeF(m_content.pictureSize);
    m_pictureSize = canvas.scaled(QSizeF(m_area.width(), m_pageHeight), Qt::KeepAspectRatio);
    m_pictureAt = flow.place(m_pictureSize.height());
    flow.skip(m_lineHeight);

    if (!placeText(flow))
        return false;
    const int pages = flow.pageCount();
    for (int page = 0; page < pages; ++page) {
        const auto first = std::lower_bound(m_linePlaces.begin(), m_linePlaces.end(), page,
                                            [](Place place, int p) { return place.page < p; });
        m_pageStarts.append(first - m_linePlaces.begin());
    }
    return true;
}

// A paragraph that fits on a page is kept on one.
bool Worksheet::placeText(PageFlow &flow)
{
    QList<qreal> heights;
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
    m_linePlaces.reserve(heights.size());
    for (qsizetype i = 0; i < heights.size(); ++i) {
        const bool startsParagraph = !m_lines[i].isEmpty() && (i == 0 || m_lines[i - 1].isEmpty());
        if (startsParagraph) {
            qreal paragraph = 0;
            for (qsizetype j = i; j < heights.size() && !m_lines[j].isEmpty(); ++j)
                paragraph += heights[j];
            flow.keepTogether(paragraph);
        }
        m_linePlaces.append(flow.place(heights[i]));
    }
    return true;
}

bool Worksheet::paintPage(QPainter &painter, int page) const
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

QRectF Worksheet::lineAt(Place place, qreal height) const
{
    return QRectF(m_area.left(), m_area.top() + place.y, m_area.width(), height);
}

void Worksheet::paintHeading(QPainter &painter) const
{
    const QRectF heading = lineAt(m_heading, m_lineHeight);
    QFont bold = m_content.font;
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(heading, Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Геометрия - неправилен, изпъкнал N-ъгълник"));
    painter.setFont(m_content.font);
    painter.drawText(heading, Qt::AlignRight | Qt::AlignVCenter,
                     QLocale().toString(m_content.date, withFourDigitYear(QLocale().dateFormat(QLocale::ShortFormat))));
}

void Worksheet::paintNameLine(QPainter &painter) const
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
bool Worksheet::paintPicture(QPainter &painter) const
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
void Worksheet::paintVertexNumbers(QPainter &painter, const FigureLines &lines) const
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

void Worksheet::paintFooter(QPainter &painter, int page) const
{
    painter.setFont(m_content.font);
    const QRectF footer(m_area.left(), m_area.bottom() - m_lineHeight, m_area.width(), m_lineHeight);
    painter.drawText(footer, Qt::AlignHCenter | Qt::AlignBottom,
                     QStringLiteral("стр. %1 от %2").arg(page + 1).arg(pageCount()));
}

// Qt's PDF writer takes some hundred kilobytes for every page it writes and
// frees them again. Glibc gives such memory back to the system at once and
// gets it zeroed anew for the next page: two fifths of the time of a long
// sheet. While a sheet is written, freed memory is kept for the next page
// and the heap grows by more at a time; afterwards the defaults return, and
// the memory kept goes back.
class MemoryKeptWhilePrinting
{
public:
#ifdef __GLIBC__
    MemoryKeptWhilePrinting() { set(32 << 20, 128 << 20, 16 << 20); }
    ~MemoryKeptWhilePrinting()
    {
        set(DefaultBytes, DefaultBytes, DefaultBytes);
        malloc_trim(0);
    }

private:
    static constexpr int DefaultBytes = 128 << 10; // of each, as mallopt(3) gives them
    static void set(int mmapThreshold, int trimThreshold, int topPad)
    {
        mallopt(M_MMAP_THRESHOLD, mmapThreshold);
        mallopt(M_TRIM_THRESHOLD, trimThreshold);
        mallopt(M_TOP_PAD, topPad);
    }
#endif
};

// The page between a class set's pupils' sheets and their answers: its
// heading in large bold type, its lines under it.
void paintAnswersPage(QPainter &painter, const QPrinter &printer, const QFont &font, const QStringList &page)
{
    if (page.isEmpty())
        return;
    const QRectF area = textAreaOf(printer);
    QFont large = font;
    if (large.pointSizeF() > 0)
        large.setPointSizeF(large.pointSizeF() * 2);
    large.setBold(true);
    painter.setPen(Qt::black);
    painter.setFont(large);
    const qreal headingHeight = 2 * QFontMetricsF(large, &printer).lineSpacing();
    painter.drawText(QRectF(area.topLeft(), QSizeF(area.width(), headingHeight)), Qt::AlignCenter, page.first());
    painter.setFont(font);
    painter.drawText(area.adjusted(0, headingHeight, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     page.mid(1).join(u'\n'));
}

// A PDF file written aside by `print`, then saved whole, so that a sheet
// cancelled or failed writes nothing.
template <typename Print>
WorksheetOutcome savePdfAside(const QString &path, Print print)
{
    const QTemporaryDir aside;
    if (!aside.isValid())
        return {WorksheetOutcome::Failed, aside.errorString()};
    QPrinter printer(QPrinter::HighResolution);
    prepareWorksheetPrinter(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(aside.filePath(QStringLiteral("worksheet.pdf")));
    const WorksheetOutcome printed = print(printer);
    if (printed.result == WorksheetOutcome::Cancelled)
        return printed;
    // A printer that could not start left no file to open.
    QFile pdf(printer.outputFileName());
    if (!pdf.open(QIODevice::ReadOnly))
        return {WorksheetOutcome::Failed, pdf.errorString()};
    if (const std::optional<QString> failure = saveWholeFile(path, pdf.readAll()))
        return {WorksheetOutcome::Failed, *failure};
    return {};
}

} // namespace

WorksheetOutcome printWorksheet(QPrinter &printer, const WorksheetContent &content, const WorksheetProgress &progress)
{
    const MemoryKeptWhilePrinting memory;
    // Laid out whole before the printer starts: a sheet cancelled by then
    // sends it nothing.
    const PairShaper shaper(content.font, &printer);
    Worksheet sheet(printer, content, shaper, progress);
    if (!sheet.layOut())
        return {WorksheetOutcome::Cancelled};
    QPainter painter;
    if (!painter.begin(&printer))
        return {WorksheetOutcome::Failed};
    for (int page = 0; page < sheet.pageCount(); ++page) {
        if (page > 0 && !printer.newPage())
            return {WorksheetOutcome::Failed};
        if (!sheet.paintPage(painter, page)) {
            // What a printer has been sent Qt 6.4 cannot take back (abort()
            // does nothing with CUPS or Windows' printers): it is sent no
            // more pages. A PDF file is only written aside.
            printer.abort();
            return {WorksheetOutcome::Cancelled};
        }
    }
    if (!painter.end())
        return {WorksheetOutcome::Failed};
    sheet.done();
    return {};
}

void prepareWorksheetPrinter(QPrinter &printer)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QStringLiteral("Zarvelon"));
}

WorksheetOutcome saveWorksheetAsPdf(const QString &path, const WorksheetContent &content,
                                    const WorksheetProgress &progress)
{
    return savePdfAside(path, [&](QPrinter &printer) { return printWorksheet(printer, content, progress); });
}

WorksheetOutcome printClassSet(QPrinter &printer, const ClassSet &set, const WorksheetProgress &progress)
{
    std::vector<const WorksheetContent *> contents;
    for (const auto *part : {&set.pupils, &set.answers})
        for (const WorksheetContent &content : *part)
            contents.push_back(&content);
    // Each sheet tells its progress as a share of the whole set's.
    constexpr int StepsASheet = 1000;
    const int sheets = int(contents.size());
    std::vector<WorksheetProgress> shares;
    shares.reserve(contents.size()); // each sheet keeps a reference to its own
    std::vector<std::unique_ptr<Worksheet>> laidOut;
    // Every sheet of a set is in the window's font: its pairs are shaped once.
    const PairShaper shaper(contents.empty() ? QFont() : contents.front()->font, &printer);
    for (int i = 0; i < sheets; ++i) {
        shares.push_back([&progress, i, sheets](int done, int total) {
            return !progress || progress(i * StepsASheet + int(qint64(done) * StepsASheet / std::max(total, 1)),
                                         sheets * StepsASheet);
        });
        laidOut.push_back(std::make_unique<Worksheet>(printer, *contents[size_t(i)], shaper, shares.back()));
        if (!laidOut.back()->layOut())
            return {WorksheetOutcome::Cancelled};
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return {WorksheetOutcome::Failed};
    bool firstPage = true;
    const auto newPage = [&] { return std::exchange(firstPage, false) || printer.newPage(); };
    for (int i = 0; i < sheets; ++i) {
        if (i == int(set.pupils.size()) && !set.answersPage.isEmpty()) {
            if (!newPage())
                return {WorksheetOutcome::Failed};
            paintAnswersPage(painter, printer, contents[size_t(i)]->font, set.answersPage);
        }
        const Worksheet &sheet = *laidOut[size_t(i)];
        for (int page = 0; page < sheet.pageCount(); ++page) {
            if (!newPage())
                return {WorksheetOutcome::Failed};
            if (!sheet.paintPage(painter, page)) {
                printer.abort();
                return {WorksheetOutcome::Cancelled};
            }
        }
        sheet.done();
    }
    if (!painter.end())
        return {WorksheetOutcome::Failed};
    return {};
}

WorksheetOutcome saveClassSetAsPdf(const QString &path, const ClassSet &set, const WorksheetProgress &progress)
{
    return savePdfAside(path, [&](QPrinter &printer) { return printClassSet(printer, set, progress); });
}
