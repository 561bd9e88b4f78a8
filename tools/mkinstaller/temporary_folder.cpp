#include "tools/mkinstaller/temporary_folder.h"

#include <random>
#include <system_error>

#include "tools/mkinstaller/pack_error.h"
#include "tools/mkinstaller/windows_names.h"

namespace fs = std::filesystem;

TemporaryFolder::TemporaryFolder() {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        path_ = fs::temp_directory_path() / ("mkinstaller-" + std::to_string(random()));
        std::error_code error;
        if (fs::create_directory(path_, error)) return;
    }
    throw PackError("cannot create a scratch folder in " + fs::temp_directory_path().u8string());
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string TemporaryFolder::text() const {
    return installerPath(path_);
}
