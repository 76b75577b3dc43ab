#pragma once
// Files as other programs and people leave them: a folder of their own per test, SQLite databases
// made by another tool, and the bytes of a file.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace zolk::testsupport {

// A new folder under the temporary directory, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zolk-files-XXXXXX").string();
        if (mkdtemp(pattern.data())) folder_ = pattern;
        EXPECT_FALSE(folder_.empty()) << "cannot create a temporary folder";
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return folder_; }
    std::string operator/(const std::string& name) const { return (folder_ / name).string(); }

private:
    std::filesystem::path folder_;
};

// A SQLite database at `file` made by another tool running `sql`, in SQLite's default mode.
inline std::string sqliteFile(const std::string& file, const std::string& sql) {
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
    return file;
}

inline std::string bytesOf(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeFile(const std::string& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace zolk::testsupport
