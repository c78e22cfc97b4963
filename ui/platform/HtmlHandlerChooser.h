// SPDX-License-Identifier: MIT
// Offers the desktop's chooser of the program that opens .htm files, where
// the desktop has one; elsewhere nothing happens.
#pragma once

namespace zembra {

void chooseHtmlHandler();

}  // namespace zembra
