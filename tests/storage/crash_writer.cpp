// The crash test's writer: rewrites the test file key by key for ever, carrying on from the
// state it finds, until it is killed. Exits non-zero only when the file is damaged or a write
// fails. "--no-sync" skips the fsyncs, for many more writes (and kill points) per second.

#include <cstdio>
#include <vector>

#include "storage/crash_values.hpp"
#include "storage/folder_lock.hpp"
#include "storage/properties.hpp"

namespace {

using namespace brisvale;
using namespace brisvale::crashtest;

// The generations the file holds, read through the code under test.
std::optional<std::vector<std::int64_t>> readState(const std::filesystem::path& path) {
    std::vector<std::int64_t> generations;
    for (int key = 1; key <= kKeys; ++key) {
        const std::string value = GetProperty(1, keyName(key), path);
        const auto generation = generationOf(value);
        if (!generation || value != valueOf(*generation, key)) return std::nullopt;
        generations.push_back(*generation);
    }
    if (!isWriterOrder(generations)) return std::nullopt;
    return generations;
}

}  // namespace

int main(int argc, char** argv) {
    const bool noSync = argc == 3 && std::string_view(argv[2]) == "--no-sync";
    if (argc != 2 && !noSync) {
        std::fprintf(stderr, "usage: crash_writer <file> [--no-sync]\n");
        return 1;
    }
    const std::filesystem::path path = argv[1];
    // As the program starts: the folder's lock, then what the last kill left is cleared.
    const FolderLock lock(path.parent_path());
    if (lock.status() != FolderLock::Status::Held) {
        std::fprintf(stderr, "crash_writer: the folder is locked\n");
        return 4;
    }
    recoverBackup(path);
    const auto state = readState(path);
    if (!state) {
        std::fprintf(stderr, "crash_writer: %s is damaged\n", argv[1]);
        return 2;
    }
    // Carry on with the first key still behind the first one, or start the next generation.
    std::int64_t generation = state->front();
    int key = 1;
    while (key <= kKeys && (*state)[static_cast<std::size_t>(key - 1)] == generation) ++key;
    if (key > kKeys) {
        key = 1;
        ++generation;
    }
    for (;;) {
        if (!SetProperty(1, keyName(key), valueOf(generation, key), path, nullptr, !noSync)) {
            std::fprintf(stderr, "crash_writer: write failed\n");
            return 3;
        }
        if (++key > kKeys) {
            key = 1;
            ++generation;
        }
    }
}
