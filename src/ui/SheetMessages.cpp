// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SheetMessages.h"

#include "Fan.h"

namespace Messages {

QString whichSheet()
{
    return QStringLiteral("Изберете лист.\n„Лист на учителя“ е с целия отчет. „Лист на ученика“ е със задача: "
                          "рисунката и координатите на върховете, с празни места за страните и лицата.\n"
                          "„Комплект за класа“ е по един лист на ученика с различна задача за всеки, "
                          "а след тях — таблица с отговорите.");
}

QString sheetName(Document sheet)
{
    switch (sheet) {
    case Document::PupilWorksheet: return QStringLiteral("Лист на ученика");
    case Document::ClassSet: return QStringLiteral("Комплект за класа...");
    default: return QStringLiteral("Лист на учителя");
    }
}

QString preparingSheet()
{
    return QStringLiteral("Листът се подготвя...");
}

QString noPrinter()
{
    return QStringLiteral("Няма инсталиран принтер.\nЗапишете листа като файл PDF и го отпечатайте от друг "
                          "компютър.");
}

QString savePdfInstead()
{
    return QStringLiteral("Запиши като PDF...");
}

QString printDialogCaption()
{
    return QStringLiteral("Отпечатай листа");
}

QString printerFailed(const QString &printer)
{
    return QStringLiteral("Листът не е отпечатан: принтерът „%1“ не отговаря. Проверете дали е включен.")
        .arg(printer);
}

QString classSetCaption()
{
    return QStringLiteral("Комплект за класа");
}

QString classSetSheets()
{
    return QStringLiteral("Брой листове на ученици (от 1 до 40):");
}

QString classSetVertices()
{
    return QStringLiteral("Брой върхове на многоъгълника (от 3 до 10):");
}

QString variantMark(int variant)
{
    return QStringLiteral("Вариант %1").arg(variant);
}

QString classSetTeachersSheets()
{
    return QStringLiteral("Добави след отговорите и листа на учителя на всеки вариант");
}

QString answersHeading()
{
    return QStringLiteral("Отговори");
}

QString answersNote(bool teachersSheets)
{
    return QStringLiteral("Страните и лицето S по Херон са с три десетични знака, |D| и лицето на многоъгълника — "
                          "точни.%1 Ученикът може да провери отговорите си и сам: в прозореца „Упражнение“ (клавиш "
                          "F6) напишете номера на варианта и натиснете „Отвори варианта“.")
        .arg(teachersSheets ? QStringLiteral(" След таблицата следват листовете на учителя, в реда на листовете на "
                                             "учениците.")
                            : QString());
}

QStringList answersColumns()
{
    return {QStringLiteral("Вариант"), QStringLiteral("Върхове"), QStringLiteral("a"), QStringLiteral("b"),
            QStringLiteral("c"), QStringLiteral("S по Херон"), QStringLiteral("|D|")};
}

QString answersTriangle(const FanTriangle &triangle)
{
    return QStringLiteral("1 %1 %2").arg(triangle.k).arg(triangle.k + 1);
}

QString answersTotal()
{
    return QStringLiteral("Лице на многоъгълника");
}

} // namespace Messages
