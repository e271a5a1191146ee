// One frame of a wipe renderer over provenance pictures A and B, kept so
// that a test can read the output as a map of sources.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Pictures.h"
#include "WipeFrame.h"

namespace testsupport {

template <class Settings>
struct ProvenanceRun {
  using Render = HGLOBAL (*)(const wipes::Frame&, const Settings&);

  std::unique_ptr<GuardedBuffer> a, b;
  GlobalHandle out;

  ProvenanceRun(Render render, const Settings& settings, int32_t w, int32_t h, double p)
      : a(provenancePicture('A', w, h)),
        b(provenancePicture('B', w, h)),
        out(render({a->data(), b->data(), p, 0, 0, 0}, settings)) {}

  // The output's rows of 'a' / 'B' / 'K' letters; {"(null)"} when refused.
  std::vector<std::string> rows() const {
    return out.get() ? sourceMap(out.get()) : std::vector<std::string>{"(null)"};
  }
};

}  // namespace testsupport
