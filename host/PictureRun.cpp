#include "PictureRun.h"

namespace host {

PictureRun::PictureRun(const Instance& instance, int32_t length, const void* a, const void* b)
    : instance_(instance) {
  // The crop effect takes no length and answers false; that is not a refusal.
  instance_.api().piLocalLength(instance_.index(), instance_.handle(), length);
  setPictures(a, b);
  instance_.api().piLocalProcessDataStart(instance_.index(), instance_.handle());
}

PictureRun::~PictureRun() {
  instance_.api().piLocalProcessDataEnd(instance_.index(), instance_.handle());
}

void PictureRun::setPictures(const void* a, const void* b) {
  if (!instance_.api().piLocalSetData(instance_.index(), instance_.handle(), a, 1, b, 1))
    throw HostError("the effect refused the pictures");
}

DibLib::DibHandle PictureRun::next() {
  if (!instance_.api().piLocalProcessData(instance_.index(), instance_.handle())) return {};
  HGLOBAL output = instance_.api().piLocalGetData(instance_.index(), instance_.handle());
  // The record keeps the last output: a frame that made none would hand the
  // previous one (already ours) back again.
  if (!output || output == previous_) return {};
  previous_ = output;
  return DibLib::DibHandle(output);
}

}  // namespace host
