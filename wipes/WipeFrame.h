// What a wipe renderer receives for one frame, and the canvas most wipes
// draw on: a 24-bit copy of picture A (or a black picture of A's size) with
// picture B read at A's coordinates.
#pragma once

#include <cstdint>

#include "DibLib.h"

namespace wipes {

struct Frame {
  const void* a;    // outgoing picture, a packed DIB
  const void* b;    // incoming picture
  double p;         // progress, 0 shows A, 1 shows B
  int32_t counter;  // frame counter the progress came from
  int32_t length;
  int32_t variant;  // Slide's direction flag; 0 elsewhere
};

enum class Start {
  CopyOfA,  // the output begins as the 24-bit copy of A (any depth)
  Black,    // the output begins black, A is read pixel by pixel (24-bit only)
};

// The output picture of one frame, locked while the renderer draws.  Empty
// (false) when picture A cannot be read; attachB() checks picture B before
// any pixel of it is read.
class WipeCanvas {
 public:
  WipeCanvas(const Frame& frame, Start start);
  ~WipeCanvas();
  WipeCanvas(const WipeCanvas&) = delete;
  WipeCanvas& operator=(const WipeCanvas&) = delete;

  explicit operator bool() const { return locked_ != nullptr; }
  // B must be an uncompressed 24-bit picture at least as large as A.
  bool attachB();

  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  const DibLib::Dib24View& out() const { return out_; }
  const DibLib::Dib24View& a() const { return a_; }  // only with Start::Black
  const DibLib::Dib24View& b() const { return b_; }  // only after attachB()

  // Unlocks the output and hands its handle to the caller.
  HGLOBAL finish();

 private:
  const Frame& frame_;
  DibLib::DibHandle output_;
  void* locked_ = nullptr;
  int32_t width_ = 0;
  int32_t height_ = 0;
  DibLib::Dib24View out_, a_, b_;
};

}  // namespace wipes
