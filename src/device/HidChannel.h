// SPDX-License-Identifier: GPL-3.0-or-later
// An open HID device as the backend's I/O thread sees it: hidapi's device in the program, a
// stand-in in tests and benchmarks.
#pragma once

#include <QString>
#include <cstddef>

namespace tarvik {

// Every member, the destructor (which closes) included, is called on the I/O thread only. Return
// values as hidapi's: bytes done, or -1 on error; a read returns 0 when its time-out passed.
class HidChannel {
public:
    virtual ~HidChannel() = default;
    virtual int Write(const unsigned char* data, std::size_t length) = 0;
    // Waits up to `milliseconds` for one input report (0: only looks).
    virtual int ReadTimeout(unsigned char* data, std::size_t length, int milliseconds) = 0;
    // Why the last call failed.
    virtual QString Error() = 0;
};

}  // namespace tarvik
