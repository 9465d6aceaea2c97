// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileChooser.h"

#include <QDir>
#include <QFileDialog>
#include <QSettings>
#include <QStandardPaths>

QString FileChooser::fileToSave(Messages::Document document) const
{
    return choose(document, true);
}

QString FileChooser::fileToOpen(Messages::Document document) const
{
    return choose(document, false);
}

QString FileChooser::choose(Messages::Document document, bool saving) const
{
    QSettings settings;
    const QString lastFolder = QStringLiteral("lastFolder");
    const QString folder =
        settings.value(lastFolder, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).toString();
    const Messages::FileKind kind = Messages::fileKind(document);
    QFileDialog dialog(m_parent, saving ? kind.saveCaption : kind.openCaption,
                       saving ? QDir(folder).filePath(kind.suggestedName) : folder, kind.filter);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (saving)
        dialog.setDefaultSuffix(kind.suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    settings.setValue(lastFolder, QFileInfo(path).absolutePath());
    return path;
}
