#include "source/csv/SeparatorDetector.h"

#include <array>
#include <cstddef>
#include <vector>

namespace quillmere::source::csv {

namespace {

constexpr std::array<char, 3> kCandidates = {',', ';', '\t'};

using Counts = std::array<std::size_t, kCandidates.size()>;

// Per-record counts of each candidate outside quotes; empty lines are left out.
std::vector<Counts> countPerRecord(std::string_view sample, bool complete) {
  std::vector<Counts> records;
  Counts current{};
  bool inQuotes = false;
  bool recordHasText = false;
  for (std::size_t i = 0; i < sample.size(); ++i) {
    const char c = sample[i];
    if (c == '"') {
      inQuotes = !inQuotes;  // a doubled quote toggles twice and so changes nothing
      recordHasText = true;
      continue;
    }
    if (inQuotes) continue;
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < sample.size() && sample[i + 1] == '\n') ++i;
      if (recordHasText) records.push_back(current);
      if (records.size() == static_cast<std::size_t>(kSeparatorSampleRecords)) return records;
      current = {};
      recordHasText = false;
      continue;
    }
    recordHasText = true;
    for (std::size_t k = 0; k < kCandidates.size(); ++k) {
      if (c == kCandidates[k]) ++current[k];
    }
  }
  // A record cut off by the end of the sample would count too few separators.
  if (recordHasText && (complete || records.empty())) records.push_back(current);
  return records;
}

}  // namespace

char detectSeparator(std::string_view sample, bool complete) {
  const std::vector<Counts> records = countPerRecord(sample, complete);
  if (records.empty()) return ',';

  std::size_t best = kCandidates.size();
  std::size_t bestCount = 0;
  for (std::size_t k = 0; k < kCandidates.size(); ++k) {
    const std::size_t first = records.front()[k];
    bool consistent = first > 0;
    for (const Counts& r : records)
      consistent = consistent && r[k] == first;
    if (consistent && first > bestCount) {
      best = k;
      bestCount = first;
    }
  }
  if (best < kCandidates.size()) return kCandidates[best];

  // Nothing is regular (ragged rows): take the candidate found in the most records.
  std::size_t bestRecords = 0;
  for (std::size_t k = 0; k < kCandidates.size(); ++k) {
    std::size_t withIt = 0;
    for (const Counts& r : records)
      withIt += r[k] > 0 ? 1 : 0;
    if (withIt > bestRecords) {
      best = k;
      bestRecords = withIt;
    }
  }
  return best < kCandidates.size() ? kCandidates[best] : ',';
}

}  // namespace quillmere::source::csv
