// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SheetMessages.h"

namespace Messages {

QString whichSheet()
{
    return QStringLiteral("Изберете лист.\n„Лист на учителя“ е с целия отчет. „Лист на ученика“ е със задача: "
                          "рисунката и координатите на върховете, с празни места за страните и лицата.\n"
                          "„Комплект за класа“ е по един лист на ученика с различна задача за всеки, "
                          "а след тях — листът на учителя на всяка задача.");
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

QStringList answersPage(const std::vector<int> &variants)
{
    QStringList numbers;
    for (int variant : variants)
        numbers << QString::number(variant);
    return {QStringLiteral("Отговори"),
            QStringLiteral("Следват листовете на учителя с отчета на всеки вариант, в реда на листовете на "
                           "учениците: %1.").arg(numbers.join(QStringLiteral(", "))),
            QStringLiteral("Ученикът може да провери отговорите си и сам: в прозореца „Упражнение“ (клавиш F6) "
                           "напишете номера на варианта и натиснете „Отвори варианта“.")};
}

} // namespace Messages
