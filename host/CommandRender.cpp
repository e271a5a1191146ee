// vtrhost render: one transition from picture A to picture B (or from one
// picture sequence to another), every frame written as a numbered picture
// or into a Y4M stream.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "Commands.h"
#include "DefaultPictures.h"
#include "Effects.h"
#include "Flags.h"
#include "Images.h"
#include "NumberedName.h"
#include "PictureRun.h"
#include "Y4m.h"

namespace host {
namespace {

namespace fs = std::filesystem;

constexpr int32_t kMostFrames = 1000000;

struct RenderRequest {
  std::string library, effect;
  std::vector<std::string> inputs;  // none, or A and B
  int32_t frames = 25;
  std::vector<std::string> settings;  // --set KEY=VALUE, in order
  std::optional<std::string> settingsFile;
  std::optional<std::string> output;
  Chroma chroma = Chroma::k420;
  std::optional<std::pair<int32_t, int32_t>> size;  // of the built-in pictures
};

int32_t parseCount(const std::string& text, const std::string& what, int32_t most) {
  size_t used = 0;
  long value = 0;
  try {
    value = std::stol(text, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used != text.size() || text.empty() || value < 1 || value > most)
    throw UsageError(what + " must be a whole number from 1 to " + std::to_string(most) +
                     ", not \"" + text + "\"");
  return int32_t(value);
}

std::pair<int32_t, int32_t> parseSize(const std::string& text) {
  size_t x = text.find('x');
  if (x == std::string::npos) throw UsageError("--size takes WIDTHxHEIGHT, not \"" + text + "\"");
  return {parseCount(text.substr(0, x), "the width", 16384),
          parseCount(text.substr(x + 1), "the height", 16384)};
}

RenderRequest parseRequest(const Arguments& arguments) {
  RenderRequest request;
  std::vector<std::string> positional;
  for (size_t i = 0; i < arguments.size(); ++i) {
    std::string word = arguments[i];
    std::optional<std::string> inlineValue;
    if (word.starts_with("--") && word.find('=') != std::string::npos) {
      inlineValue = word.substr(word.find('=') + 1);
      word = word.substr(0, word.find('='));
    }
    auto value = [&]() -> std::string {
      if (inlineValue) return *inlineValue;
      if (i + 1 >= arguments.size()) throw UsageError(word + " needs a value");
      return arguments[++i];
    };
    if (word == "--frames") {
      request.frames = parseCount(value(), "--frames", kMostFrames);
    } else if (word == "--set") {
      request.settings.push_back(value());
    } else if (word == "--settings") {
      request.settingsFile = value();
    } else if (word == "-o" || word == "--output") {
      request.output = value();
    } else if (word == "--chroma") {
      std::string chroma = value();
      if (chroma == "420")
        request.chroma = Chroma::k420;
      else if (chroma == "444")
        request.chroma = Chroma::k444;
      else
        throw UsageError("--chroma takes 420 or 444, not \"" + chroma + "\"");
    } else if (word == "--size") {
      request.size = parseSize(value());
    } else if (word.size() > 1 && word[0] == '-') {
      throw UsageError("unknown option " + word);
    } else {
      positional.push_back(arguments[i]);
    }
  }
  if (positional.size() != 2 && positional.size() != 4)
    throw UsageError("render takes a library, an effect and either no pictures or two");
  request.library = positional[0];
  request.effect = positional[1];
  request.inputs.assign(positional.begin() + 2, positional.end());
  if (!request.output) throw UsageError("render needs -o OUT (out/%03d.png, out/%03d.bmp or -)");
  if (request.size && !request.inputs.empty())
    throw UsageError("--size is for the built-in pictures; A and B have their own size");
  return request;
}

// ---- inputs -----------------------------------------------------------------

// Picture A or B: one picture for every frame, or a numbered sequence with
// one picture per frame.
class PictureSource {
 public:
  PictureSource(Picture picture, std::string name)
      : picture_(std::move(picture)), name_(std::move(name)) {}

  // A sequence numbered from 0 or 1 (whichever exists) with a picture for
  // each of `frames` frames; checked before anything is rendered.
  PictureSource(const NumberedName& pattern, int32_t frames) : pattern_(pattern) {
    first_ = fs::exists(pattern.at(0)) ? 0 : 1;
    if (!fs::exists(pattern.at(first_)))
      throw HostError(pattern.pattern() + ": no pictures (looked for " + pattern.at(0) + " and " +
                      pattern.at(1) + ")");
    for (int32_t frame = 0; frame < frames; ++frame)
      if (!fs::exists(pattern.at(first_ + frame)))
        throw HostError(pattern.pattern() + ": no picture " + pattern.at(first_ + frame) +
                        " for frame " + std::to_string(frame) + " (the render has " +
                        std::to_string(frames) + " frames)");
    load(0);
  }

  bool isSequence() const { return pattern_.has_value(); }
  const Picture& picture() const { return picture_; }
  const std::string& name() const { return name_; }

  // Makes the picture of `frame` current.
  void load(int32_t frame) {
    if (!pattern_) return;
    name_ = pattern_->at(first_ + frame);
    picture_ = readPicture(name_);
  }

 private:
  Picture picture_;
  std::string name_;
  std::optional<NumberedName> pattern_;
  int32_t first_ = 0;
};

PictureSource openSource(const std::string& nameOrPattern, int32_t frames) {
  if (auto pattern = NumberedName::parse(nameOrPattern); pattern && !fs::exists(nameOrPattern))
    return PictureSource(*pattern, frames);
  return PictureSource(readPicture(nameOrPattern), nameOrPattern);
}

std::string sizeText(const Picture& picture) {
  return std::to_string(picture.width()) + " x " + std::to_string(picture.height());
}

void checkSameSize(const PictureSource& a, const PictureSource& b) {
  if (a.picture().width() != b.picture().width() || a.picture().height() != b.picture().height())
    throw HostError("picture A (" + a.name() + ") is " + sizeText(a.picture()) +
                    " pixels but picture B (" + b.name() + ") is " + sizeText(b.picture()) +
                    ": A and B must have the same size");
}

// ---- outputs ----------------------------------------------------------------

// Where the frames go: numbered picture files, or a Y4M stream on stdout.
class FrameOutput {
 public:
  virtual ~FrameOutput() = default;
  virtual void write(int32_t frame, const void* dib) = 0;
  // Takes back what this run wrote, after a failure; answers what it did.
  virtual std::string abandon() = 0;
  virtual std::string summary() const = 0;
};

class FrameFiles : public FrameOutput {
 public:
  explicit FrameFiles(const NumberedName& pattern) : pattern_(pattern) {
    fs::path folder = fs::path(pattern.at(0)).parent_path();
    // Remember the folders this run makes, innermost last, to take them back.
    for (fs::path f = folder; !f.empty() && !fs::exists(f); f = f.parent_path())
      createdFolders_.insert(createdFolders_.begin(), f);
    std::error_code error;
    if (!folder.empty()) fs::create_directories(folder, error);
    if (error)
      throw HostError("cannot make the folder " + folder.string() + ": " + error.message());
  }

  void write(int32_t frame, const void* dib) override {
    std::string path = pattern_.at(frame);
    writePicture(path, dib);
    written_.push_back(path);
  }

  std::string abandon() override {
    std::error_code error;
    for (const std::string& path : written_) fs::remove(path, error);
    for (auto f = createdFolders_.rbegin(); f != createdFolders_.rend(); ++f)
      if (fs::is_empty(*f, error)) fs::remove(*f, error);
    std::string what = written_.empty()
                           ? ""
                           : "; removed the " + std::to_string(written_.size()) +
                                 (written_.size() == 1 ? " frame" : " frames") + " already written";
    written_.clear();
    return what;
  }

  std::string summary() const override {
    if (written_.empty()) return "no frames written";
    return "wrote " + std::to_string(written_.size()) + " frames: " + written_.front() +
           (written_.size() > 1 ? " to " + written_.back() : "");
  }

 private:
  NumberedName pattern_;
  std::vector<std::string> written_;
  std::vector<fs::path> createdFolders_;
};

class Y4mStdout : public FrameOutput {
 public:
  explicit Y4mStdout(Chroma chroma) : writer_(stdout, chroma) {}
  void write(int32_t, const void* dib) override {
    writer_.write(dib);
    ++frames_;
  }
  std::string abandon() override {
    std::fflush(stdout);
    return "; the stream stops after " + std::to_string(frames_) + " frames";
  }
  std::string summary() const override { return ""; }

 private:
  Y4mWriter writer_;
  int32_t frames_ = 0;
};

std::unique_ptr<FrameOutput> openOutput(const RenderRequest& request) {
  if (*request.output == "-") {
    if (isatty(STDOUT_FILENO))
      throw UsageError("-o - writes a Y4M stream to stdout: redirect it to a file or a program");
    return std::make_unique<Y4mStdout>(request.chroma);
  }
  std::optional<NumberedName> pattern = NumberedName::parse(*request.output);
  if (!pattern)
    throw UsageError("OUT must hold one frame number such as %03d (out/%03d.png), not \"" +
                     *request.output + "\"");
  if (!isWritablePictureName(*request.output))
    throw UsageError("OUT must end in .png or .bmp, not \"" + *request.output + "\"");
  return std::make_unique<FrameFiles>(*pattern);
}

// "[##########          ] 12/25" on stderr, for a person watching.
class ProgressBar {
 public:
  explicit ProgressBar(int32_t total) : total_(total), shown_(isatty(STDERR_FILENO)) {}
  ~ProgressBar() {
    if (shown_) std::fprintf(stderr, "\r%*s\r", 48, "");
  }
  void show(int32_t done) const {
    if (!shown_) return;
    const int32_t width = 30;
    int32_t filled = int32_t(int64_t(done) * width / total_);
    std::fprintf(stderr, "\r[%s%s] %d/%d", std::string(size_t(filled), '#').c_str(),
                 std::string(size_t(width - filled), ' ').c_str(), done, total_);
    std::fflush(stderr);
  }

 private:
  int32_t total_;
  bool shown_;
};

// ---- the run ----------------------------------------------------------------

void renderFrames(const Instance& instance, const std::string& effect, int32_t frames,
                  PictureSource& a, PictureSource& b, FrameOutput& output) {
  ProgressBar progress(frames);
  PictureRun run(instance, frames, a.picture().dib(), b.picture().dib());
  for (int32_t frame = 0; frame < frames; ++frame) {
    if (frame > 0 && (a.isSequence() || b.isSequence())) {
      a.load(frame);
      b.load(frame);
      checkSameSize(a, b);
      run.setPictures(a.picture().dib(), b.picture().dib());
    }
    DibLib::DibHandle handle = run.next();
    std::string which = "frame " + std::to_string(frame) + " of " + std::to_string(frames);
    if (!handle) throw HostError("the effect \"" + effect + "\" refused " + which);
    OutputDib dib(handle.get());
    if (!dib) throw HostError("the effect \"" + effect + "\" gave no 24-bit picture for " + which);
    output.write(frame, dib.dib());
    progress.show(frame + 1);
  }
}

int render(const Arguments& arguments) {
  RenderRequest request = parseRequest(arguments);
  PluginLibrary library(request.library);
  uint32_t index = findEffect(library, request.effect);
  EffectUse use(library, index);
  std::string effect = effectName(library, index);
  uint32_t flags = library.api().piFlags(index);
  if (!(flags & PI_CAP_PICTURE))
    throw HostError("the effect \"" + effect + "\" is not a picture effect (flags " +
                    describeFlags(flags) + ")");

  std::optional<PictureSource> a, b;
  if (request.inputs.empty()) {
    auto [width, height] = request.size.value_or(std::pair{kDefaultWidth, kDefaultHeight});
    a.emplace(defaultPicture('A', width, height), "built-in A");
    b.emplace(defaultPicture('B', width, height), "built-in B");
  } else {
    a.emplace(openSource(request.inputs[0], request.frames));
    b.emplace(openSource(request.inputs[1], request.frames));
  }
  checkSameSize(*a, *b);

  Instance instance(library, index, PI_PICTURE);
  if (request.settingsFile) instance.loadSettingsFile(*request.settingsFile);
  for (const std::string& setting : request.settings) instance.set(setting);

  std::unique_ptr<FrameOutput> output = openOutput(request);
  try {
    renderFrames(instance, effect, request.frames, *a, *b, *output);
  } catch (const std::exception& error) {
    throw HostError(error.what() + output->abandon());
  }
  std::string summary = output->summary();
  if (!summary.empty()) std::printf("%s\n", summary.c_str());
  return 0;
}

}  // namespace

const Command kRenderCommand{
    "render",
    "render LIB EFFECT [A B] -o OUT [--frames N] [--set KEY=VALUE]... [--settings FILE]\n"
    "           [--size WxH] [--chroma 420|444]\n"
    "    renders the transition from picture A to picture B in N frames (default 25).\n"
    "    A and B: BMP (any depth), PNG or JPEG files of one size, or numbered sequences\n"
    "    (a/%04d.png, one picture per frame); without them built-in pictures of\n"
    "    --size (default 320x240).  OUT: numbered frames (out/%03d.png or .bmp, from 0)\n"
    "    or - for a Y4M stream on stdout (4:2:0 unless --chroma 444).  Settings come\n"
    "    from the file first, then from each --set.",
    &render};

}  // namespace host
