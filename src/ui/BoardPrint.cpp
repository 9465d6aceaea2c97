// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardPrint.h"

#include <QPainter>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

namespace {

// The white picture on white paper needs an edge to be seen.
QImage framed(const QImage &picture)
{
    QImage copy = picture.convertToFormat(QImage::Format_RGB32);
    copy.setDevicePixelRatio(1); // one device pixel wide
    {
        QPainter painter(&copy);
        painter.setPen(Qt::gray);
        painter.drawRect(copy.rect().adjusted(0, 0, -1, -1));
    }
    copy.setDevicePixelRatio(picture.devicePixelRatio());
    return copy;
}

} // namespace

// A text document lays the report out on the pages and numbers them; the
// picture is its first paragraph, in logical pixels, which the document
// prints at their size on a screen of 96 dots per inch.
void printBoard(QPrinter &printer, const QImage &picture, const QString &report, const QFont &font)
{
    QTextDocument document;
    document.setDefaultFont(font);
    const QUrl pictureName(QStringLiteral("board:picture"));
    document.addResource(QTextDocument::ImageResource, pictureName, framed(picture));
    QTextImageFormat image;
    image.setName(pictureName.toString());
    image.setWidth(picture.deviceIndependentSize().width());
    image.setHeight(picture.deviceIndependentSize().height());

    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    cursor.insertImage(image);
    cursor.insertBlock();
    cursor.insertBlock();
    QString text = report;
    cursor.insertText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    cursor.endEditBlock();
    document.print(&printer);
}
