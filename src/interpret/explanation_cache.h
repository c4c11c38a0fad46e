// The explanation sets of the run: one slot per chart level, each filled the first
// time its level is drawn and kept until the program ends. The set of the level
// loaded last is the current one, which every lookup reads.
#pragma once

#include "explanation_set.h"

#include <array>
#include <optional>

namespace zelk {

class ExplanationSetCache {
  public:
    // Fills the level's slot from the file at path when the slot is still empty (a
    // missing file leaves it empty, to be tried again next time) and makes the
    // level current. A level outside 0-6 makes no set current.
    void loadFile(int level, const QString& path);
    // The same with the level's file in dir.
    void load(int level, const QString& dir) { loadFile(level, ExplanationFilePath(dir, level)); }

    // The current set, or null when its file was missing or no level is current.
    const ExplanationSet* current() const;
    int currentLevel() const { return currentLevel_; }
    bool isLoaded(int level) const {
        return level >= 0 && level < kExplanationLevelCount && slots_[std::size_t(level)];
    }

  private:
    std::array<std::optional<ExplanationSet>, kExplanationLevelCount> slots_;
    int currentLevel_ = -1;
};

// The process-wide sets.
ExplanationSetCache& ExplanationSets();

// Loads the level's set into the process-wide cache from the program's read-only
// data folders (the --data-dir or ZELK_DATA_DIR folder first, then the program's
// own folder, then the installed one); overrideDir is the --data-dir folder, empty
// when none was given.
void LoadExplanationSet(int level, const QString& overrideDir = {});

} // namespace zelk
