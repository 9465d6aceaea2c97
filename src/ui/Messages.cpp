// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Messages.h"

#include "Board.h"
#include "NumberText.h"
#include "ReportLayout.h"
#include "VertexModel.h"

#include <QDir>

#include <cmath>

namespace Messages {

namespace {

constexpr int LongestQuotedLine = 40;

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// A line of the user's text as a message quotes it: its tabs as blanks, a
// long one cut short.
QString quoted(const Placement &placement)
{
    QString text = placement.lineText.trimmed().replace(u'\t', u' ');
    if (text.size() > LongestQuotedLine)
        text = text.left(LongestQuotedLine - 1) + u'…';
    return QStringLiteral("ред %1 („%2“)").arg(placement.lineNumber).arg(text);
}

QString holderOf(Source source)
{
    switch (source) {
    case Source::Clipboard: return QStringLiteral("В клипборда");
    case Source::Drop: return QStringLiteral("В пуснатия текст");
    default: return QStringLiteral("Във файла");
    }
}

QString nothingDone(Source source)
{
    switch (source) {
    case Source::File: return QStringLiteral("Върховете на платното са непроменени.");
    default: return QStringLiteral("Не е поставен нито един връх.");
    }
}

QString fileHeading(const QString &path)
{
    return QStringLiteral("Върховете от „%1“ не са отворени.").arg(native(path));
}

QString linesNotPlaced(const Placement &placement, Source source, const QRect &area, int present)
{
    const QString form = QStringLiteral("Всеки ред трябва да съдържа две цели числа, X и Y, разделени с "
                                        "табулация, интервали или точка и запетая.");
    switch (placement.outcome) {
    case Placement::Placed: return {};
    case Placement::BoardClosed:
        return QStringLiteral("Лицето вече е изчислено, затова нови върхове не се поставят. Изберете ред от "
                              "списъците, изтрийте връх или натиснете „Чисти“ и поставете върховете отново.");
    case Placement::NoVertices: return QStringLiteral("%1 няма върхове за поставяне.\n%2").arg(holderOf(source), form);
    case Placement::NotAVertex:
        return QStringLiteral("Не е връх: %1.\n%2\n%3").arg(quoted(placement), form, nothingDone(source));
    case Placement::OffCanvas:
        return QStringLiteral("Върхът е извън платното: %1. X може да е от %2 до %3, а Y — от %4 до %5.\n%6")
            .arg(quoted(placement))
            .arg(area.left()).arg(area.right()).arg(area.top()).arg(area.bottom())
            .arg(nothingDone(source));
    case Placement::NoRoom:
        return QStringLiteral("Няма място за толкова върхове: от %1 нататък. На платното може да има най-много "
                              "%2 върха")
                   .arg(quoted(placement))
                   .arg(VertexModel::MaxVertices)
               + (present > 0 ? QStringLiteral(", а вече има %1.").arg(present) : QStringLiteral("."))
               + u'\n' + nothingDone(source);
    }
    return {};
}

} // namespace

QString notPlaced(const Placement &placement, Source source, const QRect &area, int present, const QString &file)
{
    if (source == Source::Press) {
        if (placement.outcome != Placement::NoRoom)
            return {};
        return QStringLiteral("На платното вече има най-много върхове: %1.\n"
                              "Изтрийте връх или натиснете „Чисти“, за да поставите нов.")
            .arg(VertexModel::MaxVertices);
    }
    const QString words = linesNotPlaced(placement, source, area, present);
    return source == Source::File && !words.isEmpty() ? fileHeading(file) + u'\n' + words : words;
}

QString boardClosed()
{
    return QStringLiteral("Лицето вече е изчислено: връх се премества, като го хванете и влачите. За нов връх "
                          "изберете ред от списъците или натиснете „Чисти“.");
}

QString nothingPicked(int vertices)
{
    return vertices == 0 ? QStringLiteral("Няма върхове за изтриване.")
                         : QStringLiteral("Няма избран връх. Щракнете върху ред от списъците, после „Трий 1т“.");
}

QString whereMoreIs()
{
    return QStringLiteral("F1: помощ. F5: на цял екран. Десен бутон върху списък или отчета: още команди.");
}

QString notMoved(VertexModel::Column column, const QRect &area)
{
    const bool x = column == VertexModel::XColumn;
    return QStringLiteral("%1 трябва да е цяло число от %2 до %3. Върхът не е преместен.")
        .arg(x ? QStringLiteral("X") : QStringLiteral("Y"))
        .arg(x ? area.left() : area.top())
        .arg(x ? area.right() : area.bottom());
}

FileKind fileKind(Document document)
{
    const QString text = QStringLiteral("Текстови файлове (*.txt);;Всички файлове (*)");
    const QString txt = QStringLiteral("txt");
    const QString pdfFiles = QStringLiteral("PDF файлове (*.pdf)");
    const QString pdf = QStringLiteral("pdf");
    switch (document) {
    case Document::Vertices:
        return {QStringLiteral("Запиши върховете като"), QStringLiteral("Отвори върхове"),
                QStringLiteral("върхове.txt"), text, txt};
    case Document::Report:
        return {QStringLiteral("Запиши отчета като"), {}, QStringLiteral("отчет.txt"), text, txt};
    case Document::Worksheet:
        return {QStringLiteral("Запиши листа като PDF"), {}, QStringLiteral("лист.pdf"), pdfFiles, pdf};
    case Document::PupilWorksheet:
        return {QStringLiteral("Запиши листа на ученика като PDF"), {}, QStringLiteral("лист-ученик.pdf"), pdfFiles,
                pdf};
    case Document::ClassSet:
        return {QStringLiteral("Запиши комплекта за класа като PDF"), {}, QStringLiteral("комплект.pdf"), pdfFiles,
                pdf};
    case Document::Picture:
        return {QStringLiteral("Запиши рисунката като"), {}, QStringLiteral("рисунка.png"),
                QStringLiteral("PNG файлове (*.png)"), QStringLiteral("png")};
    }
    return {};
}

QString notSaved(Document document, const QString &path, const QString &reason)
{
    switch (document) {
    case Document::Vertices:
        return QStringLiteral("Върховете не са записани в „%1“: %2.").arg(native(path), reason);
    case Document::Report:
        return QStringLiteral("Отчетът не е записан в „%1“: %2.").arg(native(path), reason);
    case Document::Worksheet:
    case Document::PupilWorksheet:
    case Document::ClassSet:
        return QStringLiteral("Листът не е записан в „%1“: %2.").arg(native(path), reason);
    case Document::Picture:
        return QStringLiteral("Рисунката не е записана в „%1“: %2.").arg(native(path), reason);
    }
    return {};
}

QString unreadable(const QString &path, const QString &reason)
{
    return QStringLiteral("%1\nФайлът не може да бъде прочетен: %2.").arg(fileHeading(path), reason);
}

QString tooLarge(const QString &path, qint64 largestBytes)
{
    return QStringLiteral("%1\nФайлът е по-голям от %2 MB: не е файл с върхове.")
        .arg(fileHeading(path))
        .arg(largestBytes >> 20);
}

QString notAFile(const QString &path)
{
    return QStringLiteral("%1\nТова не е обикновен файл, а например папка или устройство.")
        .arg(fileHeading(path));
}

QString notText(const QString &path)
{
    return QStringLiteral("%1\nФайлът не е текст: може би е документ, таблица или картина. Запишете върховете "
                          "като обикновен текст (.txt).")
        .arg(fileHeading(path));
}

QString nothingToSave()
{
    return QStringLiteral("На платното няма върхове: няма какво да се запише.");
}

QString ok()
{
    return QStringLiteral("Добре");
}

QString cancel()
{
    return QStringLiteral("Отказ");
}

QString helpCaption()
{
    return QStringLiteral("Zarvelon — помощ");
}

QString triangleAreas(const FanTriangle &triangle)
{
    return QStringLiteral("Триъгълник 1, %1, %2\nЛице по Херон = %3; Лице ориентирано = %4")
        .arg(triangle.k)
        .arg(triangle.k + 1)
        .arg(standardNumberText(triangle.measures.heron), standardNumberText(std::fabs(triangle.measures.determinant)));
}

QString overlapping(int count)
{
    return QStringLiteral("Тук се застъпват %1 триъгълника: сборът в отчета брои това място %1 пъти.").arg(count);
}

QString canvasDescription(const Board &board)
{
    const int n = board.vertices().vertexCount();
    QString words = n == 0 ? QStringLiteral("Няма върхове.")
                  : n == 1 ? QStringLiteral("1 връх.")
                           : QStringLiteral("%1 върха.").arg(n);
    const auto vertex = [&](int row) {
        const Point p = board.points()[size_t(row)];
        return QStringLiteral("връх %1 (%2, %3).").arg(row + 1).arg(qint64(p.x)).arg(qint64(p.y));
    };
    if (const int picked = board.selectedRow(); picked >= 0)
        words += QStringLiteral(" Избран е ") + vertex(picked);
    if (const int taken = board.takenRow(); taken >= 0)
        words += QStringLiteral(" Хванат е ") + vertex(taken);
    const DrawnFigure &figure = board.figure();
    if (board.isClosed() && figure.base == DrawnFigure::Base::Fan && figure.fan) {
        // The report's total line and its warning, if any: its lines from the
        // total on.
        const LinedText &report = board.reportLines();
        const int total = firstLineOf({ReportPart::Total, -1}, int(figure.fan->triangles.size()));
        for (int line = total; line < report.lineCount(); ++line) {
            words += u' ';
            words += report.lineContent(line);
        }
    }
    return words;
}

QString workingCaption()
{
    return QStringLiteral("Zarvelon — изчисление");
}

QString pixelCoordinates(QPoint pixel)
{
    return QStringLiteral("X = %1; Y = %2").arg(standardNumberText(pixel.x()), standardNumberText(pixel.y()));
}

QString vertexWithCoordinates(int number, Point p)
{
    return QStringLiteral("%1 (%2; %3)").arg(number).arg(standardNumberText(p.x), standardNumberText(p.y));
}

QString copyCaption()
{
    return QStringLiteral("&Копирай");
}

QString selectAllCaption()
{
    return QStringLiteral("&Избери всичко");
}

QString reportOutOfDate()
{
    return QStringLiteral("Отчетът описва многоъгълника преди последната промяна.");
}

QString reportOutOfDateDescription()
{
    return reportOutOfDate() + QStringLiteral(" „Контур“ или „Поред“ пише нов отчет.");
}

} // namespace Messages
