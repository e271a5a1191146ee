// The pictures vtrhost uses when none are given: A warm with a grid and a
// big letter A, B cool with rings and a big letter B, so that every pixel of
// an output tells at a glance which picture it came from.
#pragma once

#include <cstdint>

#include "Images.h"

namespace host {

constexpr int32_t kDefaultWidth = 320;
constexpr int32_t kDefaultHeight = 240;

// `which` is 'A' or 'B'; any size from 1 x 1.
Picture defaultPicture(char which, int32_t width, int32_t height);

}  // namespace host
