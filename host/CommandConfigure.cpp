#include "Commands.h"

namespace host {
namespace {

int run(const Arguments&) { throw UsageError("configure is not available yet"); }

}  // namespace

const Command kConfigureCommand{"configure", "configure (not available yet)", &run};

}  // namespace host
