#pragma once
// Shared by the engine's tests: a fresh temporary database per test, and helpers to run text.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "jet/engine.h"
#include "platform/runtime_error.h"

namespace zolk::jet::testing {

// A database file of its own under the temporary directory, removed with its WAL files.
class TempDatabase {
public:
    TempDatabase() {
        static int counter = 0;
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = info ? std::string(info->test_suite_name()) + "_" + info->name() : "jet";
        for (auto& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        path_ = (std::filesystem::temp_directory_path() /
                 ("zolk_jet_" + std::to_string(::getpid()) + "_" + std::to_string(counter++) + "_" + name + ".db"))
                    .string();
        remove();
    }
    ~TempDatabase() { remove(); }
    const std::string& path() const { return path_; }
    std::string url() const { return "sqlite:" + path_; }

    // Creates the database with native scripts and opens a session on it.
    std::unique_ptr<Session> create(const std::vector<std::string>& scripts) const {
        createDatabase(url(), scripts, 1, false);
        return openSession(url());
    }

private:
    void remove() const {
        std::error_code ec;
        for (const char* s : {"", "-wal", "-shm", "-journal"}) std::filesystem::remove(path_ + s, ec);
    }
    std::string path_;
};

// The error a statement raises, or number 0 when it runs.
struct Raised {
    std::int32_t number = 0;
    std::int32_t helpContext = 0;
    std::string description;
};

inline Raised errorOf(Session& s, const std::string& sql) {
    try {
        s.execute(sql);
    } catch (const platform::RuntimeError& e) {
        return {e.number(), e.helpContext(), e.description()};
    }
    return {};
}

}  // namespace zolk::jet::testing
