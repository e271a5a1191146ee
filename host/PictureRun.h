// One run of a picture instance, driven as a video editor drives it:
// length, inputs, ProcessDataStart; ProcessData and GetData for each frame;
// ProcessDataEnd.
#pragma once

#include <cstdint>

#include "DibLib.h"
#include "Effects.h"

namespace host {

class PictureRun {
 public:
  // Throws HostError when the effect refuses the pictures.  The pictures
  // must outlive the run (or be replaced with setPictures first).
  PictureRun(const Instance& instance, int32_t length, const void* a, const void* b);
  ~PictureRun();
  PictureRun(const PictureRun&) = delete;
  PictureRun& operator=(const PictureRun&) = delete;

  // The next pair of pictures, for the frames that follow (sequences).
  void setPictures(const void* a, const void* b);
  // Renders the next frame; the output is the caller's.  Empty when the
  // effect refused the frame: ProcessData answered false, or no new output.
  DibLib::DibHandle next();

 private:
  const Instance& instance_;
  HGLOBAL previous_ = nullptr;
};

}  // namespace host
