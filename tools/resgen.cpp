// Turns a library's resource folder into the C++ table it registers when it
// loads: strings.txt (id TAB text), icons.txt (ids and id ranges) with
// icons/ID.bmp, bitmaps/ID.bmp and forms/NAME.form.  An icon without an
// image file gets a plain placeholder until the effect draws its own.
//
//   resgen RESOURCE_DIR OUTPUT.cpp
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<unsigned char> readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void put16(std::vector<unsigned char>& b, uint32_t v) {
  b.push_back(v & 255);
  b.push_back((v >> 8) & 255);
}
void put32(std::vector<unsigned char>& b, uint32_t v) {
  put16(b, v & 0xFFFF);
  put16(b, v >> 16);
}

// A 32 x 32 grey square with a darker frame: "no picture yet".
std::vector<unsigned char> placeholderIcon() {
  const int size = 32;
  std::vector<unsigned char> b = {'B', 'M'};
  put32(b, 54 + size * size * 3);
  put32(b, 0);
  put32(b, 54);
  put32(b, 40);
  put32(b, size);
  put32(b, size);
  put16(b, 1);
  put16(b, 24);
  for (int i = 0; i < 6; ++i) put32(b, 0);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      bool edge = x < 2 || y < 2 || x >= size - 2 || y >= size - 2;
      unsigned char v = edge ? 96 : 192;
      b.insert(b.end(), {v, v, v});
    }
  return b;
}

std::string cString(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += char(c);
    } else if (c < 32 || c >= 127) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\%03o", c);
      out += buf;
    } else {
      out += char(c);
    }
  }
  return out + "\"";
}

void writeBytes(std::ostream& out, const std::string& name, const std::vector<unsigned char>& bytes) {
  out << "const unsigned char " << name << "[] = {";
  for (size_t i = 0; i < bytes.size(); ++i) out << (i % 24 ? "" : "\n ") << int(bytes[i]) << ',';
  if (bytes.empty()) out << "0";
  out << "};\n";
}

struct Data {
  uint32_t id;
  std::string symbol;
  size_t size;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: resgen RESOURCE_DIR OUTPUT.cpp\n";
    return 2;
  }
  fs::path dir = argv[1];
  std::ostringstream out;
  out << "// Generated from " << dir.filename().string() << "/ by resgen; do not edit.\n"
      << "#include \"Module.h\"\n\nnamespace {\n\n";

  // strings
  std::vector<std::pair<uint32_t, std::string>> strings;
  std::ifstream stringsFile(dir / "strings.txt");
  for (std::string line; std::getline(stringsFile, line);) {
    if (line.empty() || line[0] == '#') continue;
    size_t tab = line.find('\t');
    if (tab == std::string::npos) {
      std::cerr << "resgen: strings.txt: line without a tab: " << line << "\n";
      return 1;
    }
    strings.emplace_back(std::stoul(line.substr(0, tab)), line.substr(tab + 1));
  }
  out << "const VtrStringResource kStrings[] = {\n";
  for (auto& [id, text] : strings) out << "  {" << id << ", " << cString(text) << "},\n";
  if (strings.empty()) out << "  {0, \"\"},\n";
  out << "};\n\n";

  // icons
  std::vector<uint32_t> iconIds;
  std::ifstream iconsFile(dir / "icons.txt");
  for (std::string line; std::getline(iconsFile, line);) {
    if (line.empty() || line[0] == '#') continue;
    size_t dash = line.find('-');
    uint32_t first = std::stoul(line.substr(0, dash));
    uint32_t last = dash == std::string::npos ? first : std::stoul(line.substr(dash + 1));
    for (uint32_t id = first; id <= last; ++id) iconIds.push_back(id);
  }
  std::vector<Data> icons;
  bool placeholderWritten = false;
  for (uint32_t id : iconIds) {
    fs::path file = dir / "icons" / (std::to_string(id) + ".bmp");
    if (fs::exists(file)) {
      auto bytes = readFile(file);
      std::string symbol = "kIcon" + std::to_string(id);
      writeBytes(out, symbol, bytes);
      icons.push_back({id, symbol, bytes.size()});
    } else {
      auto bytes = placeholderIcon();
      if (!placeholderWritten) writeBytes(out, "kPlaceholderIcon", bytes);
      placeholderWritten = true;
      icons.push_back({id, "kPlaceholderIcon", bytes.size()});
    }
  }

  // bitmaps and forms
  std::vector<Data> bitmaps, forms;
  std::vector<std::string> formNames;
  auto sortedFiles = [](const fs::path& folder, const std::string& extension) {
    std::vector<fs::path> files;
    if (fs::is_directory(folder))
      for (auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == extension) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
  };
  for (auto& file : sortedFiles(dir / "bitmaps", ".bmp")) {
    uint32_t id = std::stoul(file.stem().string());
    auto bytes = readFile(file);
    std::string symbol = "kBitmap" + std::to_string(id);
    writeBytes(out, symbol, bytes);
    bitmaps.push_back({id, symbol, bytes.size()});
  }
  for (auto& file : sortedFiles(dir / "forms", ".form")) {
    auto bytes = readFile(file);
    std::string symbol = "kForm" + std::to_string(forms.size());
    bytes.push_back(0);  // forms are texts
    writeBytes(out, symbol, bytes);
    forms.push_back({uint32_t(forms.size()), symbol, bytes.size() - 1});
    formNames.push_back(file.stem().string());
  }

  auto table = [&out](const char* name, const std::vector<Data>& list) {
    out << "const VtrDataResource " << name << "[] = {\n";
    for (auto& d : list) out << "  {" << d.id << ", " << d.symbol << ", " << d.size << "},\n";
    if (list.empty()) out << "  {0, nullptr, 0},\n";
    out << "};\n";
  };
  table("kIcons", icons);
  table("kBitmaps", bitmaps);
  table("kForms", forms);
  out << "const char* const kFormNames[] = {";
  for (auto& n : formNames) out << cString(n) << ", ";
  if (formNames.empty()) out << "\"\"";
  out << "};\n\n}  // namespace\n\nnamespace plugin {\n\nconst VtrResourceTable kResources{\n"
      << "    kStrings, " << strings.size() << ", kIcons, " << icons.size() << ", kBitmaps, "
      << bitmaps.size() << ", kForms, kFormNames, " << forms.size() << "};\n\n}  // namespace plugin\n";

  // Rewrite only when the text changed, so that builds stay incremental.
  std::string text = out.str();
  fs::path output = argv[2];
  if (fs::exists(output)) {
    auto old = readFile(output);
    if (std::string(old.begin(), old.end()) == text) return 0;
  }
  std::ofstream(output, std::ios::binary) << text;
  return 0;
}
