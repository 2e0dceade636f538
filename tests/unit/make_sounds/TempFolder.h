#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace quill::sounds::test {

// A fresh folder per test, removed afterwards; the pid keeps parallel ctest runs apart.
struct TempFolder {
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("quill-sounds-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    TempFolder() {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
};

}  // namespace quill::sounds::test
