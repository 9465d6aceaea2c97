// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt's PDF writer takes some hundred kilobytes for every page it writes and
// frees them again. Glibc gives such memory back to the system at once and
// gets it zeroed anew for the next page: two fifths of the time of a long
// sheet. While one of these lives, freed memory is kept for the next page
// and the heap grows by more at a time; afterwards the defaults return, and
// the memory kept goes back. Elsewhere it does nothing.
class MemoryKeptWhilePrinting
{
public:
    MemoryKeptWhilePrinting();
    ~MemoryKeptWhilePrinting();
    MemoryKeptWhilePrinting(const MemoryKeptWhilePrinting &) = delete;
    MemoryKeptWhilePrinting &operator=(const MemoryKeptWhilePrinting &) = delete;
};
