#include "Commands.h"

namespace host {
namespace {

int run(const Arguments&) { throw UsageError("render is not available yet"); }

}  // namespace

const Command kRenderCommand{"render", "render (not available yet)", &run};

}  // namespace host
