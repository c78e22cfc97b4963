// SPDX-License-Identifier: MIT
// Loads the system's font configuration on a worker thread while the
// application connects to the display, instead of at the first text the
// window paints. Only where Qt takes its fonts from fontconfig; a no-op
// elsewhere. The destructor waits for the worker.
#pragma once

#include <thread>

namespace zembra {

class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

private:
    std::thread worker_;
};

}  // namespace zembra
