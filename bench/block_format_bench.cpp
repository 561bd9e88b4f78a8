// Block text throughput: writing and reading an install description of about 10 MB through the
// file streams, and reading a quarter of it, to show that reading time grows linearly with the
// number of entries. Usage: block_format_bench [MEGABYTES] (default 10).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "params/block_format.h"
#include "params/file_stream.h"

namespace fs = std::filesystem;

namespace {

// One product as packages describe them: a few settings and an install block with a nested
// condition; values with variable references, escapes and accented letters.
ParamNode* product(int i) {
    std::string n = std::to_string(i);
    auto* entry = new ParamNode(("Produit" + n).c_str(), "");
    entry->append(new ParamNode("Titre", ("Produit num\xE9ro " + n +
                                          " \"\xE9"
                                          "dition\"")
                                             .c_str()));
    entry->append(new ParamNode("ID", ("P" + n).c_str()));
    entry->append(new ParamNode("Taille", i * 37));
    auto* install = new ParamNode("Installe", "");
    install->append(new ParamNode("AFFECTE", ("DEST=${PROGRAMFILES}\xA4Produit " + n).c_str()));
    install->append(new ParamNode("CPLIB", ("lib" + n + "=${DEST}").c_str()));
    auto* condition = new ParamNode("SI_EGAL", "${OSBITS}=64");
    auto* yes = new ParamNode("Oui", "");
    yes->append(new ParamNode("REG_ECRIT", ("HKEY_LOCAL_MACHINE\\Software\\Produit" + n).c_str()));
    yes->append(new ParamNode("-DELDIR", "${DEST}\xA4tmp"));
    condition->append(yes);
    install->append(condition);
    install->append(new ParamNode("RACCOURCI", "${WIN_BUREAU}\xA4Produit.lnk"));
    entry->append(install);
    return entry;
}

const int entriesPerProduct = 12;

void writeFile(const ParamNode& root, const std::string& path) {
    OutFileStream out(path.c_str());
    for (ParamCell* c = root.children(); c; c = c->next) writeEntry(*c->node, out);
    if (!out.close()) std::fprintf(stderr, "cannot write %s\n", path.c_str());
}

// Seconds taken by work, the best of a few runs: other work on the machine counts as little as
// possible. prepare runs untimed before each run.
double bestSeconds(
    const std::function<void()>& work, const std::function<void()>& prepare = [] {}) {
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        prepare();
        auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(
            best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

// Reading alone: the tree of the previous run is freed before the clock starts.
double readSeconds(const std::string& path, int expectedChildren) {
    std::unique_ptr<ParamNode> root;
    return bestSeconds(
        [&] {
            if (!readTreeFile(*root, path.c_str()) || root->childCount() != expectedChildren)
                std::fprintf(stderr, "reading %s went wrong\n", path.c_str());
        },
        [&] { root = std::make_unique<ParamNode>(); });
}

double megabytesOf(const std::string& path) {
    return double(fs::file_size(path)) / (1 << 20);
}

}  // namespace

int main(int argc, char** argv) {
    double wanted = argc > 1 ? std::atof(argv[1]) : 10;
    fs::path folder = fs::temp_directory_path() / "block-format-bench";
    fs::create_directories(folder);
    std::string small = (folder / "quarter.ini").string(), large = (folder / "whole.ini").string();

    // Size one product as written, then build enough of them for the wanted size.
    ParamNode sample;
    sample.append(product(10000));
    writeFile(sample, small);
    int products = std::max(4, int(wanted * (1 << 20) / double(fs::file_size(small))) / 4 * 4);
    ParamNode root, quarter;  // built from the end: prepending costs nothing
    for (int i = products - 1; i >= 0; --i) {
        root.prepend(product(i));
        if (i < products / 4) quarter.prepend(product(i));
    }

    double writing = bestSeconds([&] { writeFile(root, large); });
    writeFile(quarter, small);
    double whole = megabytesOf(large), part = megabytesOf(small);
    std::printf("file: %.1f MB, %d entries (%d products)\n", whole, products * entriesPerProduct,
                products);
    std::printf("write  %8.1f MB/s  (%.3f s)\n", whole / writing, writing);
    double readWhole = readSeconds(large, products);
    std::printf("read   %8.1f MB/s  (%.3f s)\n", whole / readWhole, readWhole);
    double readPart = readSeconds(small, products / 4);
    std::printf("read N = %d entries: %.3f s; 4N = %d entries: %.3f s; ratio %.2f (linear: 4)\n",
                products / 4 * entriesPerProduct, readPart, products * entriesPerProduct, readWhole,
                readWhole / readPart);
    std::printf("(the quarter file is %.2f MB)\n", part);
    fs::remove_all(folder);
    return 0;
}
