// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Messages.h"

#include <QString>

class QWidget;

// The window's file dialogs. They start in the folder last used, also after
// a restart, and offer the kind of file of the document.
class FileChooser
{
public:
    explicit FileChooser(QWidget *parent) : m_parent(parent) {}

    // The file the user chose, or nothing when he cancelled.
    QString fileToSave(Messages::Document document) const;
    QString fileToOpen(Messages::Document document) const;

private:
    QString choose(Messages::Document document, bool saving) const;

    QWidget *m_parent;
};
