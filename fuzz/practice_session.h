#pragma once
// A practice database with the demo data, made once per fuzzing process in a folder of its own
// (on /dev/shm, in memory, when there is one), and a session on it.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "jet/engine.h"
#include "jet/test_switches.h"
#include "schema/practice_database.h"

namespace zolk::fuzz {

inline jet::Session& practiceSession() {
    static const std::unique_ptr<jet::Session> session = [] {
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        const auto folder = base / ("zolk_fuzz_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        const std::string url = "sqlite:" + (folder / "practice.db").string();
        schema::createPracticeDatabase(url, true, true);
        static const std::string toRemove = folder.string();
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(toRemove, ec);
        });
        // A cross join of every table must end in a moment, not when the machine gives out.
        jet::switches::limitWork(2000000);
        return jet::openSession(url);
    }();
    return *session;
}

}  // namespace zolk::fuzz
