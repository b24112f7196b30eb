// SPDX-License-Identifier: GPL-3.0-or-later
// One libFuzzer target: TARVIK_FUZZ_ENTRY names the entry point (see FuzzEntries.h). Anything the
// entry reports aborts the run, so libFuzzer keeps the input like a crash.
#include <cstdio>
#include <cstdlib>

#include "FuzzEntries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const tarvik::fuzz::Problem problem = tarvik::fuzz::TARVIK_FUZZ_ENTRY(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "fuzz: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
