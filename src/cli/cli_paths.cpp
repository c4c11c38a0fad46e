#include "cli_paths.h"

#include <cstdlib>
#include <filesystem>
#include <map>

namespace zelk::cli {

namespace fs = std::filesystem;

std::string ExecutableDir() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return exe.parent_path().string();
}

std::vector<std::string> DataDirs(const std::string& dataDirOption) {
    if (!dataDirOption.empty()) return {dataDirOption};
    if (const char* env = std::getenv("ZELK_DATA_DIR"); env && *env) return {env};
    const std::string exeDir = ExecutableDir();
    if (exeDir.empty()) return {};
    return {exeDir, (fs::path(exeDir) / ".." / "share" / "zelk").lexically_normal().string()};
}

std::optional<std::string> FindDataFile(const std::string& name, const std::string& dataDirOption) {
    for (const std::string& dir : DataDirs(dataDirOption)) {
        std::error_code ec;
        const fs::path candidate = fs::path(dir) / name;
        if (fs::is_regular_file(candidate, ec)) return candidate.string();
    }
    return std::nullopt;
}

const SolarTermTable* SolarTerms(const std::string& dataDirOption, std::string& error) {
    // One run uses one data folder; the answer for it is kept for every operand.
    struct Loaded {
        std::optional<SolarTermTable> table;
        std::string error;
    };
    static std::map<std::string, Loaded> loaded;
    auto it = loaded.find(dataDirOption);
    if (it == loaded.end()) {
        Loaded entry;
        const auto path = FindDataFile("solar_terms.dat", dataDirOption);
        if (!path) {
            std::string searched;
            for (const std::string& dir : DataDirs(dataDirOption))
                searched += (searched.empty() ? "" : ", ") + dir;
            entry.error = "找不到節氣表 solar_terms.dat（搜尋：" + searched + "）";
        } else {
            std::string reason;
            entry.table = SolarTermTable::LoadFile(*path, &reason);
            if (!entry.table) entry.error = "節氣表無法使用：" + reason;
        }
        it = loaded.emplace(dataDirOption, std::move(entry)).first;
    }
    error = it->second.error;
    return it->second.table ? &*it->second.table : nullptr;
}

} // namespace zelk::cli
