// The library's own module handle, the key of its registered resources.
#pragma once

#include "vtrsys.h"

namespace plugin {

HMODULE thisModule();

// The resource table of this library, generated from resources/ at build time.
extern const VtrResourceTable kResources;

}  // namespace plugin
