#include "support/file_size_limit.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <stdexcept>

namespace tabrel::test {

namespace {

void limit_file_size(size_t max_bytes) {
    std::signal(SIGXFSZ, SIG_IGN);  // the failing write then returns EFBIG instead
    const rlimit limit{static_cast<rlim_t>(max_bytes), static_cast<rlim_t>(max_bytes)};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(3);
}

int exit_status(pid_t pid) {
    int raw = 0;
    while (waitpid(pid, &raw, 0) < 0) {
        if (errno != EINTR) throw std::runtime_error("waitpid failed");
    }
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

}  // namespace

int run_with_file_limit(size_t max_bytes, const std::function<bool()>& work) {
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        limit_file_size(max_bytes);
        _exit(work() ? 0 : 1);  // no exit handlers: they belong to the test process
    }
    return exit_status(pid);
}

CliRun run_cli_with_file_limit(const std::filesystem::path& data, const std::string& args,
                               size_t max_bytes) {
    int pipe_fds[2];
    if (pipe(pipe_fds) != 0) throw std::runtime_error("pipe failed");
    const std::string command = std::string(TABREL_CLI) + " --data '" + data.string() + "' " + args;
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        limit_file_size(max_bytes);
        const int null_fd = open("/dev/null", O_WRONLY);
        dup2(null_fd, STDOUT_FILENO);
        dup2(pipe_fds[1], STDERR_FILENO);
        close(pipe_fds[0]);
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipe_fds[1]);
    std::string err;
    char buf[4096];
    for (ssize_t n; (n = read(pipe_fds[0], buf, sizeof buf)) != 0;) {
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) break;
        err.append(buf, static_cast<size_t>(n));
    }
    close(pipe_fds[0]);
    return {exit_status(pid), "", err};
}

}  // namespace tabrel::test
