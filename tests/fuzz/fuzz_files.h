#pragma once
// The fuzz targets that read files put each input into a scratch file first.

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "fuzz_check.h"

namespace pipetto::fuzz {

namespace fs = std::filesystem;

inline const fs::path& scratch_folder() {
    static const fs::path folder = [] {
        // In memory where there is such a folder: every save is flushed to the disk.
        const fs::path base =
            fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        fs::path path = base / ("pipetto_fuzz_" + std::to_string(getpid()));
        fs::create_directories(path);
        return path;
    }();
    return folder;
}

inline void put_file(const fs::path& path, const unsigned char* data, std::size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    FUZZ_CHECK(file != nullptr);
    FUZZ_CHECK(size == 0 || std::fwrite(data, 1, size, file) == size);
    std::fclose(file);
}

inline std::string file_bytes(const fs::path& path) {
    std::string bytes(fs::file_size(path), '\0');
    std::FILE* file = std::fopen(path.c_str(), "rb");
    FUZZ_CHECK(file != nullptr);
    FUZZ_CHECK(bytes.empty() || std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size());
    std::fclose(file);
    return bytes;
}

} // namespace pipetto::fuzz
