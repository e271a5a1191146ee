// Running the built vtrhost as a user does, and the files around it: a
// temporary folder, BMP files made from test DIBs, PNG frames read back.
#pragma once

#include <fcntl.h>
#include <png.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace hosttest {

namespace fs = std::filesystem;

struct RunResult {
  int exitCode = -1;
  std::string out, err;
};

inline std::string readText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A fresh folder under the system's temporary folder, removed afterwards.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "vtrhost-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code error;
    fs::remove_all(path_, error);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const fs::path& path() const { return path_; }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

// Runs $VTRHOST with the arguments; stdout and stderr are collected through
// files in `scratch`, stdin is /dev/null (so stdout and stderr are no terminals).
inline RunResult runVtrhost(const std::vector<std::string>& arguments, const TempFolder& scratch) {
  // vtrhost is built beside the libraries when VTRHOST does not say where.
  std::string tool;
  if (const char* path = std::getenv("VTRHOST"))
    tool = path;
  else if (const char* folder = std::getenv("VTR_PLUGIN_DIR"))
    tool = (fs::path(folder) / "vtrhost").string();
  else
    throw std::runtime_error("neither VTRHOST nor VTR_PLUGIN_DIR is set");
  std::string outPath = scratch / ".stdout", errPath = scratch / ".stderr";
  std::vector<std::string> words = {tool};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  pid_t child = 0;
  int spawned = posix_spawn(&child, tool.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error("cannot start vtrhost");
  int status = 0;
  waitpid(child, &status, 0);
  RunResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  result.out = readText(outPath);
  result.err = readText(errPath);
  fs::remove(outPath);
  fs::remove(errPath);
  return result;
}

// A BMP file: the 14-byte file header in front of a packed DIB.
inline std::vector<unsigned char> bmpFile(const std::vector<unsigned char>& dib) {
  uint32_t headerSize = dib[0] | dib[1] << 8 | dib[2] << 16 | uint32_t(dib[3]) << 24;
  uint32_t clrUsed = dib[32] | dib[33] << 8 | dib[34] << 16 | uint32_t(dib[35]) << 24;
  uint32_t pixelOffset = 14 + headerSize + 4 * clrUsed;
  uint32_t fileSize = uint32_t(14 + dib.size());
  std::vector<unsigned char> file = {'B', 'M'};
  for (uint32_t v : {fileSize, 0u, pixelOffset})
    for (int shift = 0; shift < 32; shift += 8) file.push_back((v >> shift) & 255);
  file.insert(file.end(), dib.begin(), dib.end());
  return file;
}

inline void writeFile(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A PNG read back as rows of red, green, blue bytes; colour values (red in
// bits 0-7) by pixel.
struct RgbPicture {
  int32_t width = 0, height = 0;
  std::vector<uint8_t> rgb;
  uint32_t at(int32_t x, int32_t y) const {
    const uint8_t* p = &rgb[(size_t(y) * width + x) * 3];
    return p[0] | p[1] << 8 | uint32_t(p[2]) << 16;
  }
};

inline RgbPicture readPng(const std::string& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str()))
    throw std::runtime_error("cannot read " + path);
  image.format = PNG_FORMAT_RGB;
  RgbPicture picture;
  picture.width = int32_t(image.width);
  picture.height = int32_t(image.height);
  picture.rgb.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr))
    throw std::runtime_error("cannot decode " + path);
  return picture;
}

}  // namespace hosttest
