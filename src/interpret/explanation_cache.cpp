#include "explanation_cache.h"

#include "settings/program_paths.h"

namespace zelk {

void ExplanationSetCache::loadFile(int level, const QString& path) {
    if (level < 0 || level >= kExplanationLevelCount) {
        currentLevel_ = -1;
        return;
    }
    auto& slot = slots_[std::size_t(level)];
    if (!slot) slot = ReadExplanationFile(path);
    currentLevel_ = level;
}

const ExplanationSet* ExplanationSetCache::current() const {
    if (currentLevel_ < 0) return nullptr;
    const auto& slot = slots_[std::size_t(currentLevel_)];
    return slot ? &*slot : nullptr;
}

ExplanationSetCache& ExplanationSets() {
    static ExplanationSetCache cache;
    return cache;
}

void LoadExplanationSet(int level, const QString& overrideDir) {
    ExplanationSetCache& sets = ExplanationSets();
    // The folders are searched only while the level has no set yet.
    const QString name = ExplanationFileName(level);
    const bool search = !name.isEmpty() && !sets.isLoaded(level);
    sets.loadFile(level, search ? FindDataFile(name, overrideDir) : QString());
}

} // namespace zelk
