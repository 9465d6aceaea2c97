// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

class QPainter;
class QPrinter;

// A class set's answers as a table: a group of rows for each variant, one
// row for each of its triangles (the variant in the first row only, then
// the triangle's vertices, a, b, c, S and |D|) and one for its total (its
// caption in the second column, the total in the last).
struct AnswerKey {
    QString heading;
    QString note; // under the heading on the first page
    QStringList columns;
    std::vector<std::vector<QStringList>> variants;
};

// The answers laid out on the printer's pages: the heading atop every page,
// the note on the first, the columns' captions over the rows of every page,
// a variant's rows never parted by a page break, and "стр. N от M" at every
// page's foot. Each column is as wide as its widest text; the numbers stand
// to the right of theirs.
class AnswerKeyPages
{
public:
    AnswerKeyPages(const QPrinter &printer, const AnswerKey &key, const QFont &font);

    int pageCount() const { return int(m_firstVariants.size()); }
    void paintPage(QPainter &painter, int page) const;

private:
    // A row's cells, each in its column; a total's caption reaches over the
    // empty cells after it.
    void paintRow(QPainter &painter, const QStringList &cells, qreal top) const;
    qreal rowsTop(int page) const;

    const AnswerKey &m_key;
    QFont m_font;
    QRectF m_area;
    qreal m_lineHeight;
    qreal m_rowHeight;
    qreal m_noteHeight;
    std::vector<qreal> m_lefts;  // of each column
    std::vector<qreal> m_widths; // of each column's text
    std::vector<size_t> m_firstVariants; // on each page
};
