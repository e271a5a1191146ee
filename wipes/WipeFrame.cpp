#include "WipeFrame.h"

namespace wipes {

WipeCanvas::WipeCanvas(const Frame& frame, Start start) : frame_(frame) {
  if (!DibLib::isSupportedDib(frame.a)) return;
  DibLib::DibHeader header = DibLib::readHeader(frame.a);
  width_ = header.biWidth;
  height_ = header.biHeight;
  if (start == Start::CopyOfA) {
    output_ = DibLib::DibHandle(DibLib::copy24(frame.a));
  } else {
    if (header.biBitCount != 24) return;
    a_ = DibLib::Dib24View(frame.a);
    output_ = DibLib::DibHandle(DibLib::allocDib24(width_, height_));
  }
  if (!output_) return;
  locked_ = GlobalLock(output_.get());
  if (locked_) out_ = DibLib::Dib24View(locked_);
}

WipeCanvas::~WipeCanvas() {
  if (locked_) GlobalUnlock(output_.get());
}

bool WipeCanvas::attachB() {
  if (!DibLib::isReadable24(frame_.b, width_, height_)) return false;
  b_ = DibLib::Dib24View(frame_.b);
  return true;
}

HGLOBAL WipeCanvas::finish() {
  if (locked_) GlobalUnlock(output_.get());
  locked_ = nullptr;
  return output_.release();
}

}  // namespace wipes
