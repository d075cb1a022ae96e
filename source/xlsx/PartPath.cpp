#include "source/xlsx/PartPath.h"

#include <vector>

namespace quillmere::source::xlsx {

namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string percentDecoded(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size()) {
      const int high = hexValue(text[i + 1]);
      const int low = hexValue(text[i + 2]);
      if (high >= 0 && low >= 0) {
        out += static_cast<char>(high * 16 + low);
        i += 2;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

}  // namespace

std::string partKey(std::string_view name) {
  std::string key;
  key.reserve(name.size());
  for (const char c : name) {
    if (c == '\\') {
      key += '/';
    } else if (c >= 'A' && c <= 'Z') {
      key += static_cast<char>(c - 'A' + 'a');
    } else {
      key += c;
    }
  }
  const auto first = key.find_first_not_of('/');
  key.erase(0, first == std::string::npos ? key.size() : first);
  return key;
}

std::string resolveTarget(std::string_view sourcePart, std::string_view target) {
  std::string path = percentDecoded(target);
  for (auto& c : path) {
    if (c == '\\') c = '/';
  }
  if (path.empty() || path.front() != '/') {
    const auto slash = sourcePart.rfind('/');
    const std::string_view folder =
        slash == std::string_view::npos ? std::string_view{} : sourcePart.substr(0, slash + 1);
    path.insert(0, folder);
  }

  std::vector<std::string_view> segments;
  const std::string_view all = path;
  std::size_t start = 0;
  while (start <= all.size()) {
    auto end = all.find('/', start);
    if (end == std::string_view::npos) end = all.size();
    const std::string_view segment = all.substr(start, end - start);
    if (segment == "..") {
      if (!segments.empty()) segments.pop_back();
    } else if (!segment.empty() && segment != ".") {
      segments.push_back(segment);
    }
    start = end + 1;
  }
  std::string resolved;
  for (const auto segment : segments) {
    if (!resolved.empty()) resolved += '/';
    resolved += segment;
  }
  return resolved;
}

std::string relationshipsPartOf(std::string_view part) {
  const auto slash = part.rfind('/');
  if (slash == std::string_view::npos) return "_rels/" + std::string(part) + ".rels";
  return std::string(part.substr(0, slash + 1)) + "_rels/" + std::string(part.substr(slash + 1)) +
         ".rels";
}

}  // namespace quillmere::source::xlsx
