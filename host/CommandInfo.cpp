#include "Commands.h"

namespace host {
namespace {

int run(const Arguments&) { throw UsageError("info is not available yet"); }

}  // namespace

const Command kInfoCommand{"info", "info (not available yet)", &run};

}  // namespace host
