// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PresentationLayout.h"

#include "Messages.h"
#include "PresentationMessages.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal Margin = 0.02;     // of the screen's height, round the picture and the text
constexpr int TextLines = 7;       // step 0's: its heading, five rows, Y's way and how to go on
constexpr qreal KeysType = 0.5;    // of the text's size
constexpr qreal Smaller = 0.9;     // a step's type where its lines would not fit
constexpr qreal LabelInset = 2;    // the vertices' numbers from the screen's edge and the text
constexpr int Wrapped = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
constexpr int InARow = Qt::AlignLeft | Qt::AlignVCenter;

QFont sized(QFont font, qreal pixels)
{
    font.setPixelSize(std::max(1, int(pixels)));
    return font;
}

// The font at its own size, or the largest smaller one in which `text` is
// no wider than `width`.
QFont narrowed(QFont font, const QString &text, qreal width)
{
    for (qreal wide = QFontMetricsF(font).horizontalAdvance(text); wide > width && font.pixelSize() > 1;
         wide = QFontMetricsF(font).horizontalAdvance(text))
        font.setPixelSize(std::max(1, std::min(font.pixelSize() - 1, int(font.pixelSize() * width / wide))));
    return font;
}

// A one-line text in its font at `at`, as wide as it is.
PlacedText inARow(const QString &text, const QFont &font, QPointF at, qreal height, int flags = InARow)
{
    return {QRectF(at, QSizeF(std::ceil(QFontMetricsF(font).horizontalAdvance(text)) + 1, height)), font, flags, text};
}

} // namespace

PresentationLayout::PresentationLayout(QSize screen, const QFont &face, QSize canvas)
    : m_canvas(canvas), m_textFont(sized(face, std::ceil(screen.height() / 24.0)))
{
    const qreal margin = std::ceil(screen.height() * Margin);
    const qreal line = QFontMetricsF(m_textFont).lineSpacing();
    const qreal width = screen.width() - 2 * margin;
    m_keysRow = QRectF(margin, screen.height() - margin / 2 - line, width, line);
    m_textArea = QRectF(margin, m_keysRow.top() - TextLines * line, width, TextLines * line);
    const QRectF room(margin, margin, width, m_textArea.top() - 2 * margin);
    const QSizeF picture = canvas.isEmpty() ? QSizeF(1, 1) : QSizeF(canvas);
    m_scale = std::max(0.01, std::min(room.width() / picture.width(), room.height() / picture.height()));
    const QSizeF shown = picture * m_scale;
    m_pictureArea = QRectF(room.center() - QPointF(shown.width() / 2, shown.height() / 2), shown);
}

QRectF PresentationLayout::labelArea() const
{
    const qreal width = m_textArea.right() + m_textArea.left();
    return QRectF(LabelInset, LabelInset, width - 2 * LabelInset, m_textArea.top() - 2 * LabelInset);
}

// The grid's columns as many as the widest cell leaves room for: that of
// the last vertex at the canvas's far corner, the digits being of one
// width.
StepText PresentationLayout::verticesStep(const std::vector<Point> &vertices, bool computed) const
{
    const int n = int(vertices.size());
    const int room = TextLines - (computed ? 0 : 1);
    const Point farthest{double(std::max(0, m_canvas.width() - 1)), double(std::max(0, m_canvas.height() - 1))};
    for (QFont font = m_textFont;; font.setPixelSize(std::max(1, int(font.pixelSize() * Smaller)))) {
        const QFontMetricsF metrics(font);
        const qreal widest = std::max(metrics.horizontalAdvance(Messages::vertexWithCoordinates(n, farthest)),
                                      metrics.horizontalAdvance(Messages::moreVertices(n)));
        const int columns = std::max(1, int(m_textArea.width() / (widest + metrics.height())));
        StepText step;
        step.lines = Messages::verticesStep(vertices, room, columns);
        if (!computed)
            step.lines << Messages::notComputed();
        step.listedVertices = Messages::listedVertices(n, (room - 2) * columns);
        qreal height = 0;
        step.placed = placeLines(step.lines, font, columns, &height);
        if (height <= m_textArea.height() || font.pixelSize() == 1)
            return step;
    }
}

StepText PresentationLayout::lines(const QStringList &lines) const
{
    StepText step{lines, {}, 0};
    for (QFont font = m_textFont;; font.setPixelSize(std::max(1, int(font.pixelSize() * Smaller)))) {
        qreal height = 0;
        step.placed = placeLines(lines, font, 1, &height);
        if (height <= m_textArea.height() || font.pixelSize() == 1)
            return step;
    }
}

// Down from the text area's top: a line of cells apart by tabs in the
// grid's columns, the gap of a line's height after each, a cell too wide
// for its column in smaller type; any other line wrapped between words.
std::vector<PlacedText> PresentationLayout::placeLines(const QStringList &lines, const QFont &font, int columns,
                                                       qreal *height) const
{
    std::vector<PlacedText> placed;
    const QFontMetricsF metrics(font);
    const qreal line = metrics.lineSpacing();
    const qreal column = m_textArea.width() / columns;
    const qreal cellWidth = columns == 1 ? column : column - metrics.height();
    qreal y = m_textArea.top();
    for (const QString &text : lines) {
        if (text.contains(u'\t')) {
            const QStringList cells = text.split(u'\t');
            for (qsizetype c = 0; c < cells.size(); ++c) {
                const QFont fits = narrowed(font, cells[c], cellWidth);
                placed.push_back({QRectF(m_textArea.left() + c * column, y, cellWidth, line), fits, InARow, cells[c]});
            }
            y += line;
            continue;
        }
        const QRectF room(m_textArea.left(), y, m_textArea.width(), m_textArea.height());
        const QRectF used = metrics.boundingRect(room, Wrapped, text);
        const QFont fits = used.width() > room.width() ? narrowed(font, text, room.width()) : font;
        const qreal tall = std::max(line, QFontMetricsF(fits).boundingRect(room, Wrapped, text).height());
        placed.push_back({QRectF(room.topLeft(), QSizeF(room.width(), tall)), fits, Wrapped, text});
        y += tall;
    }
    *height = y - m_textArea.top();
    return placed;
}

KeysRow PresentationLayout::keys(const QString &typed) const
{
    KeysRow row;
    if (!typed.isEmpty()) {
        const QString text = Messages::typedTriangle(typed);
        row.typed = inARow(text, narrowed(m_textFont, text, m_keysRow.width()), m_keysRow.topLeft(), m_keysRow.height());
    }
    const QString hint = Messages::presentationKeys();
    const QFont small = narrowed(sized(m_textFont, m_textFont.pixelSize() * KeysType), hint, m_keysRow.width() - 1);
    PlacedText keys = inARow(hint, small, QPointF(), QFontMetricsF(small).height(), Qt::AlignRight | Qt::AlignBottom);
    keys.box.moveBottomRight(m_keysRow.bottomRight());
    if (!row.typed || !row.typed->box.intersects(keys.box))
        row.keys = keys;
    return row;
}
