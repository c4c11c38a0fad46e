// Where zelk-cli finds its data files: the folder given with --data-dir or in
// ZELK_DATA_DIR when set, else the folder of the running executable (a build
// tree puts programs and data together in bin/), else ../share/zelk relative to
// it (an installed program).
#pragma once

#include "solar_terms.h"

#include <optional>
#include <string>
#include <vector>

namespace zelk::cli {

// The folder of the running executable (from /proc/self/exe); empty when unknown.
std::string ExecutableDir();

// The folders searched for data files, in order.
std::vector<std::string> DataDirs(const std::string& dataDirOption);

// The first existing file of that name in DataDirs; nullopt when there is none.
std::optional<std::string> FindDataFile(const std::string& name, const std::string& dataDirOption);

// The solar-term table, read once per run; nullptr with a readable reason in
// `error` (Traditional Chinese) when the file is missing or damaged.
const SolarTermTable* SolarTerms(const std::string& dataDirOption, std::string& error);

} // namespace zelk::cli
