#pragma once

#include "windows/common/companion_host.h"

namespace radixon {

class CompanionWindow;

// A new, not yet loaded window of the kind given.
CompanionWindow *createCompanion(Companion which, CompanionHost &host);

} // namespace radixon
