#pragma once
// What a folder holds, byte for byte, with each entry's kind and modification time: taken before
// and after an action that must change nothing there, not even beside the file it was given.
#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace zolk::testsupport {

class FolderSnapshot {
public:
    explicit FolderSnapshot(const std::filesystem::path& folder) {
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
            struct stat st {};
            ::lstat(entry.path().c_str(), &st);
            Entry e;
            e.folder = S_ISDIR(st.st_mode);
            e.modified = std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
            if (!e.folder) {
                std::ifstream in(entry.path(), std::ios::binary);
                e.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            }
            entries_[entry.path().filename().string()] = std::move(e);
        }
    }

    // The names that appeared, disappeared or changed since `before`; empty when none did.
    std::string changesSince(const FolderSnapshot& before) const {
        std::string changes;
        for (const auto& [name, e] : entries_) {
            const auto old = before.entries_.find(name);
            if (old == before.entries_.end()) changes += "new " + name + "; ";
            else if (old->second.folder != e.folder || old->second.bytes != e.bytes) changes += "changed " + name + "; ";
            else if (old->second.modified != e.modified) changes += "touched " + name + "; ";
        }
        for (const auto& [name, e] : before.entries_)
            if (!entries_.count(name)) changes += "gone " + name + "; ";
        return changes;
    }

private:
    struct Entry {
        bool folder = false;
        std::string bytes;
        std::int64_t modified = 0;
    };
    std::map<std::string, Entry> entries_;
};

}  // namespace zolk::testsupport
