// SPDX-FileCopyrightText: 2026 Zarvelon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MemoryKeptWhilePrinting.h"

#ifdef __GLIBC__
#include <malloc.h>

namespace {

constexpr int DefaultBytes = 128 << 10; // of each, as mallopt(3) gives them

void setThresholds(int mmapThreshold, int trimThreshold, int topPad)
{
    mallopt(M_MMAP_THRESHOLD, mmapThreshold);
    mallopt(M_TRIM_THRESHOLD, trimThreshold);
    mallopt(M_TOP_PAD, topPad);
}

} // namespace

MemoryKeptWhilePrinting::MemoryKeptWhilePrinting()
{
    setThresholds(32 << 20, 128 << 20, 16 << 20);
}

MemoryKeptWhilePrinting::~MemoryKeptWhilePrinting()
{
    setThresholds(DefaultBytes, DefaultBytes, DefaultBytes);
    malloc_trim(0);
}
#else
MemoryKeptWhilePrinting::MemoryKeptWhilePrinting() = default;
MemoryKeptWhilePrinting::~MemoryKeptWhilePrinting() = default;
#endif
