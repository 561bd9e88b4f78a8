#include "scratch_folder.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace {
int created = 0;
}

ScratchFolder::ScratchFolder(const std::string& name) {
    std::error_code ignored;
    fs::path base = fs::temp_directory_path(ignored);
    // Distinct per process (parallel runs natively, under the sanitizers and under Wine).
    static const unsigned run = std::random_device()();
    std::string unique = name + "-" + std::to_string(run) + "-" + std::to_string(++created);
    fs::path folder = base / ("unit-" + unique);
    fs::remove_all(folder, ignored);
    fs::create_directories(folder, ignored);
    path = folder.generic_string();
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::permissions(path, fs::perms::all, ignored);
    for (auto& entry : fs::recursive_directory_iterator(path, ignored)) {
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(path, ignored);
}

void ScratchFolder::write(const std::string& name, const std::string& bytes) const {
    fs::path file = fs::path(path) / name;
    std::error_code ignored;
    fs::create_directories(file.parent_path(), ignored);
    std::ofstream(file, std::ios::binary) << bytes;
}

void ScratchFolder::makeFolder(const std::string& name) const {
    std::error_code ignored;
    fs::create_directories(fs::path(path) / name, ignored);
}

std::string ScratchFolder::read(const std::string& name) const {
    std::ifstream in(fs::path(path) / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool ScratchFolder::exists(const std::string& name) const {
    std::error_code ignored;
    return fs::exists(fs::path(path) / name, ignored);
}
