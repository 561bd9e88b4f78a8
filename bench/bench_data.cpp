// The data sets of bench/compare, made the same way on every run of the same machine.
//   bench_data mixed OUT FILES MEGABYTES  real files copied from /usr/share and /usr/lib
//   bench_data big OUT MEGABYTES          one file that compresses to about half
// Both print what they made.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const int maxRelativePath = 150;  // leaves room under MAX_PATH for any destination folder

bool reservedOnWindows(std::string stem) {
    for (char& c : stem) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    static const std::set<std::string> devices = {"CON", "PRN", "AUX", "NUL"};
    if (devices.count(stem)) return true;
    return stem.size() == 4 && (stem.rfind("COM", 0) == 0 || stem.rfind("LPT", 0) == 0) &&
           std::isdigit(static_cast<unsigned char>(stem[3]));
}

// Plain ASCII names that every Windows file system takes and that every packer stores alike.
bool portableName(const std::string& name) {
    if (name.empty() || name.back() == '.' || name.back() == ' ') return false;
    for (char c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && !std::strchr("._+-", c)) return false;
    }
    return !reservedOnWindows(name.substr(0, name.find('.')));
}

bool portablePath(const fs::path& relative) {
    if (relative.string().size() > maxRelativePath) return false;
    for (const fs::path& part : relative) {
        if (!portableName(part.string())) return false;
    }
    return true;
}

std::string folded(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

struct Candidate {
    fs::path source, relative;
    uintmax_t size;
};

// Regular files below 2 MB with portable paths, sorted by path; of paths that differ only in
// case (one file on Windows), the first.
std::vector<Candidate> candidates() {
    std::vector<Candidate> found;
    for (const char* root : {"/usr/share", "/usr/lib"}) {
        std::error_code error;
        fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied,
                                            error);
        for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
            const fs::directory_entry& entry = *it;
            if (!entry.is_regular_file(error) || entry.is_symlink(error)) continue;
            uintmax_t size = entry.file_size(error);
            if (error || size == 0 || size >= (2u << 20)) continue;
            fs::path relative = fs::path(root).filename() / entry.path().lexically_relative(root);
            if (portablePath(relative)) found.push_back({entry.path(), relative, size});
        }
    }
    std::sort(found.begin(), found.end(),
              [](const Candidate& a, const Candidate& b) { return a.relative < b.relative; });
    std::set<std::string> seen;
    std::vector<Candidate> unique;
    for (Candidate& c : found) {
        if (seen.insert(folded(c.relative.string())).second) unique.push_back(std::move(c));
    }
    return unique;
}

// Runs of neighbouring files (which share folders) taken at even steps through the sorted
// candidates, until the wanted count or size is reached.
int makeMixed(const fs::path& out, size_t files, uintmax_t bytes) {
    const size_t run = 20;
    std::vector<Candidate> all = candidates();
    size_t step = std::max<size_t>(run, all.size() / files * run);
    size_t taken = 0;
    uintmax_t total = 0;
    std::set<fs::path> folders;
    for (size_t start = 0; start < all.size() && taken < files && total < bytes; start += step) {
        for (size_t i = start; i < std::min(start + run, all.size()) && taken < files; ++i) {
            const Candidate& c = all[i];
            fs::path target = out / c.relative;
            fs::create_directories(target.parent_path());
            fs::copy_file(c.source, target, fs::copy_options::overwrite_existing);
            for (fs::path p = c.relative.parent_path(); !p.empty(); p = p.parent_path())
                folders.insert(p);
            ++taken;
            total += c.size;
        }
    }
    std::printf("mixed: %zu files, %zu folders, %.1f MiB\n", taken, folders.size(),
                total / 1048576.0);
    return 0;
}

// One file of parts of 64 KiB in a fixed pseudo-random order: noise (which does not compress)
// and text of a few hundred short words (which compresses to about a third), three parts of text
// to each of noise.
int makeBig(const fs::path& out, uintmax_t bytes) {
    uint64_t state = 0x9E3779B97F4A7C15ull;
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    const char letters[] = "etaoinshrdlucmfwyp";
    std::vector<std::string> words(300);
    for (std::string& word : words) {
        for (uint64_t length = 2 + next() % 8; word.size() < length;)
            word += letters[next() % (sizeof letters - 1)];
    }
    std::vector<char> part(1 << 16);
    std::ofstream file(out, std::ios::binary);
    for (uintmax_t written = 0; written < bytes; written += part.size()) {
        if (next() % 100 < 30) {
            for (char& c : part) c = static_cast<char>(next());
        } else {
            std::string text;
            while (text.size() < part.size()) {
                text += words[next() % words.size()];
                text += next() % 10 ? " " : "\r\n";
            }
            std::copy_n(text.begin(), part.size(), part.begin());
        }
        file.write(part.data(), static_cast<std::streamsize>(
                                    std::min<uintmax_t>(part.size(), bytes - written)));
    }
    std::printf("big: 1 file, %.1f MiB\n", bytes / 1048576.0);
    return file.good() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::string kind = argc > 1 ? argv[1] : "";
    if (kind == "mixed" && argc == 5)
        return makeMixed(argv[2], std::strtoul(argv[3], nullptr, 10),
                         std::strtoull(argv[4], nullptr, 10) << 20);
    if (kind == "big" && argc == 4)
        return makeBig(argv[2], std::strtoull(argv[3], nullptr, 10) << 20);
    std::fprintf(stderr,
                 "usage: bench_data mixed OUT FILES MEGABYTES | bench_data big OUT MEGABYTES\n");
    return 2;
}
