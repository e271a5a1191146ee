#include "Commands.h"

namespace host {
namespace {

int run(const Arguments&) { throw UsageError("icons is not available yet"); }

}  // namespace

const Command kIconsCommand{"icons", "icons (not available yet)", &run};

}  // namespace host
