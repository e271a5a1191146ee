#include "Commands.h"

namespace host {
namespace {

int run(const Arguments&) { throw UsageError("fade is not available yet"); }

}  // namespace

const Command kFadeCommand{"fade", "fade (not available yet)", &run};

}  // namespace host
