#include "explanation_cache.h"

#include <QCoreApplication>

namespace zelk {

void ExplanationSetCache::load(int level, const QString& dir) {
    if (level < 0 || level >= kExplanationLevelCount) {
        currentLevel_ = -1;
        return;
    }
    auto& slot = slots_[std::size_t(level)];
    if (!slot) slot = ReadExplanationFile(ExplanationFilePath(dir, level));
    currentLevel_ = level;
}

const ExplanationSet* ExplanationSetCache::current() const {
    if (currentLevel_ < 0) return nullptr;
    const auto& slot = slots_[std::size_t(currentLevel_)];
    return slot ? &*slot : nullptr;
}

QString ExplanationDirectory() {
    // The data folder can be moved for a run (tests, a portable copy).
    const QString overridden = qEnvironmentVariable("ZELK_DATA_DIR");
    if (!overridden.isEmpty()) return overridden;
    return QCoreApplication::applicationDirPath();
}

ExplanationSetCache& ExplanationSets() {
    static ExplanationSetCache cache;
    return cache;
}

void LoadExplanationSet(int level) { ExplanationSets().load(level, ExplanationDirectory()); }

} // namespace zelk
