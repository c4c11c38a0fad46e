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
    // Fills the level's slot from dir when it is still empty (a missing file leaves
    // it empty, to be tried again next time) and makes the level current. A level
    // outside 0-6 makes no set current.
    void load(int level, const QString& dir);

    // The current set, or null when its file was missing or no level is current.
    const ExplanationSet* current() const;
    int currentLevel() const { return currentLevel_; }

private:
    std::array<std::optional<ExplanationSet>, kExplanationLevelCount> slots_;
    int currentLevel_ = -1;
};

// The folder the explanation files are read from: the program's data folder.
QString ExplanationDirectory();

// The process-wide sets.
ExplanationSetCache& ExplanationSets();

// Loads the level's set of the process-wide cache from ExplanationDirectory().
void LoadExplanationSet(int level);

} // namespace zelk
