#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <vector>

#include "core/ColumnMapping.h"
#include "core/MatchByName.h"
#include "source/load/SheetPreview.h"
#include "source/load/SheetTable.h"

namespace quillmere::ui {

class MapPage;

// Step 2: pairing the sheet's columns with vCard fields. It owns the mapping and keeps its
// page showing it; the pairs a user makes by hand are learned on this machine, so Match by
// Name pairs those headers so again.
class MapStep {
  Q_DECLARE_TR_FUNCTIONS(MapStep)

 public:
  // Follows the page's pick lists, the list of pairs and More Fields; `receiver` owns those
  // connections.
  MapStep(MapPage& page, QObject& receiver);

  const core::ColumnMapping& mapping() const { return mapping_; }
  const std::vector<core::ColumnPair>& pairs() const { return mapping_.pairs(); }

  // Offers `headers` and every field, with no pairs.
  void fillLists(const std::vector<source::HeaderColumn>& headers);
  // Takes every pair back, the lists keeping what they offer (a new load shows its own).
  void clearPairs();
  // As before the first load: nothing offered, nothing paired.
  void reset();

  // Add and Remove: what to tell the user instead of acting, or nothing when they acted.
  QString add();
  QString remove();
  // Pairs every column whose header names a field; Google's Type columns are read from
  // `preview`. Says how many were paired, for the status bar.
  QString matchByName(const source::SheetPreview& preview);

  void show();

 private:
  MapPage& page_;
  core::ColumnMapping mapping_;
};

}  // namespace quillmere::ui
