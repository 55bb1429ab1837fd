#pragma once
// A file-size limit for the process while it lives, with SIGXFSZ ignored so
// that a write past it fails with EFBIG as the editor's own start-up arranges.

#include <csignal>
#include <sys/resource.h>

namespace testsupport {

class File_Size_Limit {
public:
    explicit File_Size_Limit(rlim_t bytes)
    {
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_limit_);
        rlimit limit = old_limit_;
        limit.rlim_cur = bytes;
        set_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~File_Size_Limit()
    {
        setrlimit(RLIMIT_FSIZE, &old_limit_);
        std::signal(SIGXFSZ, old_handler_);
    }
    File_Size_Limit(const File_Size_Limit&) = delete;
    File_Size_Limit& operator=(const File_Size_Limit&) = delete;
    bool Set() const { return set_; }

private:
    rlimit old_limit_{};
    void (*old_handler_)(int) = SIG_DFL;
    bool set_ = false;
};

} // namespace testsupport
