// A buffer whose last byte sits right before an inaccessible page, so that
// a read one byte past the end faults at once instead of passing unnoticed.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace testsupport {

class GuardedBuffer {
 public:
  explicit GuardedBuffer(const std::vector<unsigned char>& bytes) : size_(bytes.size()) {
    size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    size_t dataPages = (size_ + page - 1) / page;
    mappedBytes_ = (dataPages + 1) * page;
    void* map = mmap(nullptr, mappedBytes_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (map == MAP_FAILED) throw std::runtime_error("mmap failed");
    mapping_ = static_cast<unsigned char*>(map);
    mprotect(mapping_ + dataPages * page, page, PROT_NONE);
    data_ = mapping_ + dataPages * page - size_;
    if (size_) std::memcpy(data_, bytes.data(), size_);
  }
  ~GuardedBuffer() { munmap(mapping_, mappedBytes_); }
  GuardedBuffer(const GuardedBuffer&) = delete;
  GuardedBuffer& operator=(const GuardedBuffer&) = delete;

  unsigned char* data() { return data_; }
  const unsigned char* data() const { return data_; }
  size_t size() const { return size_; }

 private:
  unsigned char* mapping_ = nullptr;
  unsigned char* data_ = nullptr;
  size_t size_ = 0;
  size_t mappedBytes_ = 0;
};

}  // namespace testsupport
