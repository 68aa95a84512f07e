// vnasim: a stand-in NanoVNA on a pseudo-terminal; see vnasim::kUsage.
#include "tools/vnasim/vnasim.h"

#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

namespace {
volatile std::sig_atomic_t stopped = 0;
}

int main(int argc, char** argv) {
    for (int i = 1; i < argc && std::string(argv[i]) != "--"; ++i)
        if (std::string(argv[i]) == "--help") {
            std::fputs(vnasim::kUsage, stdout);
            return 0;
        }
    vnasim::Options options;
    std::string link;
    std::vector<std::string> command;
    const std::string wrong = vnasim::parse(argc, argv, options, link, command);
    if (!wrong.empty()) {
        std::fprintf(stderr, "vnasim: %s\n%s", wrong.c_str(), vnasim::kUsage);
        return 2;
    }
    try {
        vnasim::Server server(options, link);
        if (command.empty()) {
            std::printf("%s\n", server.path().c_str());
            std::fflush(stdout);
            std::signal(SIGINT, [](int) { stopped = 1; });
            std::signal(SIGTERM, [](int) { stopped = 1; });
            while (!stopped)
                pause();
            return 0;
        }
        const pid_t child = fork();
        if (child < 0) {
            std::perror("vnasim: fork");
            return 2;
        }
        if (child == 0) {
            std::vector<char*> args;
            for (auto& a : command)
                args.push_back(a.data());
            args.push_back(nullptr);
            execvp(args[0], args.data());
            std::perror(("vnasim: " + command[0]).c_str());
            _exit(127);
        }
        int status = 0;
        while (waitpid(child, &status, 0) < 0) {
        }
        server.stop();
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vnasim: %s\n", e.what());
        return 2;
    }
}
