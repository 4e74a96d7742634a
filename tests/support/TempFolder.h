#pragma once

#include <filesystem>

#include "generator/LeagueGenerator.h"

namespace korvel::test {

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const {
        return path_ / name;
    }

  private:
    std::filesystem::path path_;
};

// Writes a generated league under `folder` as base name `name` and returns its base path.
std::filesystem::path WriteGeneratedLeague(const std::filesystem::path& folder,
                                           const std::string& name,
                                           const gen::GeneratorOptions& options = {});

}  // namespace korvel::test
