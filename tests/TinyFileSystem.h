// A file system of a few kilobytes mounted on a folder for one test, to fill up or to make
// read-only, and unmounted when the test ends, however it ends. Mounting needs the superuser
// and a system that allows it; mounted() says whether it worked, so the test can skip.
#pragma once

#include <sys/mount.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace loopsim::test {

class TinyFileSystem {
  public:
    TinyFileSystem(const std::filesystem::path& where, int kilobytes) : where_(where) {
        std::filesystem::create_directories(where_);
        const std::string options = "size=" + std::to_string(kilobytes) + "k";
        mounted_ = ::mount("tmpfs", where_.c_str(), "tmpfs", MS_NOSUID, options.c_str()) == 0;
    }
    ~TinyFileSystem() {
        if (mounted_)
            ::umount2(where_.c_str(), MNT_DETACH);
    }
    TinyFileSystem(const TinyFileSystem&) = delete;
    TinyFileSystem& operator=(const TinyFileSystem&) = delete;

    bool mounted() const { return mounted_; }
    static const char* skipReason() {
        return "mounting a small file system needs the superuser and a system that allows it";
    }

    // Fills every byte that is left with one file.
    void fill() const {
        std::ofstream filler(where_ / "filler", std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size())))
            filler.flush();
    }
    bool makeReadOnly() const {
        return ::mount(nullptr, where_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY | MS_NOSUID,
                       nullptr) == 0;
    }

  private:
    std::filesystem::path where_;
    bool mounted_ = false;
};

}  // namespace loopsim::test
