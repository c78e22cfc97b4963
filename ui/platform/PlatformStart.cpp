// SPDX-License-Identifier: MIT
#include "PlatformStart.h"

namespace zembra {

QtArguments::QtArguments(int argc, char** argv, std::vector<std::string> defaults, std::vector<std::string> overrides)
    : added_(std::move(defaults))
{
    // Qt takes the first argument for the program's name.
    const bool named = argc > 0;
    if (!named)
        added_.insert(added_.begin(), "zembra");
    const std::size_t before = added_.size();
    added_.insert(added_.end(), overrides.begin(), overrides.end());
    // Pointers into added_ are taken once it no longer grows.
    if (named)
        pointers_.push_back(argv[0]);
    for (std::size_t i = 0; i < before; ++i)
        pointers_.push_back(added_[i].data());
    for (int i = 1; i < argc; ++i)
        pointers_.push_back(argv[i]);
    for (std::size_t i = before; i < added_.size(); ++i)
        pointers_.push_back(added_[i].data());
    count_ = static_cast<int>(pointers_.size());
    pointers_.push_back(nullptr);
}

}  // namespace zembra
