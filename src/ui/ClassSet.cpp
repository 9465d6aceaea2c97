// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClassSet.h"

#include "PairShaper.h"
#include "PdfAside.h"
#include "WorksheetPages.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <memory>
#include <utility>

WorksheetOutcome printClassSet(QPrinter &printer, const ClassSet &set, const WorksheetProgress &progress)
{
    std::vector<const WorksheetContent *> contents;
    for (const auto *part : {&set.pupils, &set.teachers})
        for (const WorksheetContent &content : *part)
            contents.push_back(&content);
    // Each sheet tells its progress as a share of the whole set's.
    constexpr int StepsASheet = 1000;
    const int sheets = int(contents.size());
    std::vector<WorksheetProgress> shares;
    shares.reserve(contents.size()); // each sheet keeps a reference to its own
    std::vector<std::unique_ptr<WorksheetPages>> laidOut;
    // Every sheet of a set is in the window's font: its pairs are shaped once.
    const QFont font = contents.empty() ? QFont() : contents.front()->font;
    const PairShaper shaper(font, &printer);
    for (int i = 0; i < sheets; ++i) {
        shares.push_back([&progress, i, sheets](int done, int total) {
            return !progress || progress(i * StepsASheet + int(qint64(done) * StepsASheet / std::max(total, 1)),
                                         sheets * StepsASheet);
        });
        laidOut.push_back(std::make_unique<WorksheetPages>(printer, *contents[size_t(i)], shaper, shares.back()));
        if (!laidOut.back()->layOut())
            return {WorksheetOutcome::Cancelled};
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return {WorksheetOutcome::Failed};
    bool firstPage = true;
    const auto newPage = [&] { return std::exchange(firstPage, false) || printer.newPage(); };
    const AnswerKeyPages answers(printer, set.answers, font);
    const auto printAnswers = [&] {
        for (int page = 0; page < answers.pageCount() && !set.answers.variants.empty(); ++page) {
            if (!newPage())
                return false;
            answers.paintPage(painter, page);
        }
        return true;
    };
    const int pupils = int(set.pupils.size());
    for (int i = 0; i < sheets; ++i) {
        if (i == pupils && !printAnswers())
            return {WorksheetOutcome::Failed};
        const WorksheetPages &sheet = *laidOut[size_t(i)];
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
    if (sheets == pupils && !printAnswers())
        return {WorksheetOutcome::Failed};
    if (!painter.end())
        return {WorksheetOutcome::Failed};
    return {};
}

WorksheetOutcome saveClassSetAsPdf(const QString &path, const ClassSet &set, const WorksheetProgress &progress)
{
    return savePdfAside(path, [&](QPrinter &printer) { return printClassSet(printer, set, progress); });
}
