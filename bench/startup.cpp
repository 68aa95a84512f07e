// Start-up measurement: starts the calculator and the floor program alternately, each built with the
// first-paint probe, and reports for each the median time from process start to the first paint and the
// median peak resident memory, with the ratios calculator / floor.
//
//   startup APP FLOOR [RUNS]
//
// With --cables it starts the calculator alternately with 100 user cables in its cable file and with
// none, and reports the two medians and their ratio:
//
//   startup --cables APP [RUNS]
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Run {
    double millis = 0;  // process start to first paint
    double peakMiB = 0; // peak resident set size
};

long long now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// The data folder the started program reads its cable file from; empty: the environment's.
std::string dataHome;

bool runOnce(const char* program, Run& run) {
    int out[2];
    if (pipe(out) != 0)
        return false;
    const long long start = now();
    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        if (!dataHome.empty())
            setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
        close(out[0]);
        close(out[1]);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buf[256];
    for (ssize_t n; (n = read(out[0], buf, sizeof buf)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        text.append(buf, static_cast<std::size_t>(n));
    }
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto at = text.find("first-paint ");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || at == std::string::npos) {
        std::fprintf(stderr, "startup: %s did not report its first paint (status %d)\n", program, status);
        return false;
    }
    const long long painted = std::atoll(text.c_str() + at + 12);
    run.millis = static_cast<double>(painted - start) / 1e6;
    run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
    return true;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

// A folder with the cable file of `cables` cables, in the file's format.
std::string cableFolder(int cables) {
    char made[] = "/tmp/hlc-startup.XXXXXX";
    if (!mkdtemp(made))
        return "";
    const std::string folder = std::string(made) + "/hamlinecalc";
    mkdir(folder.c_str(), 0700);
    if (cables > 0) {
        std::FILE* f = std::fopen((folder + "/cables.txt").c_str(), "w");
        std::fprintf(f, "hamlinecalc-cables 1\n");
        for (int i = 0; i < cables; ++i)
            std::fprintf(f,
                         "\ncable Cavo %d\nz0 50\nvf 0.66\nloss 0.0%d 0.4 0.006\ndatasheet m\npoint 1.8 2\n"
                         "point 14 5.5\npoint 144 19\nend\n",
                         i, i);
        std::fclose(f);
    }
    return made;
}

int compareCables(const char* app, int runs) {
    const std::string none = cableFolder(0), hundred = cableFolder(100);
    std::vector<double> noneMs, hundredMs;
    Run r;
    dataHome = none;
    if (!runOnce(app, r))
        return 1;
    for (int i = 0; i < runs; ++i) {
        Run a, b;
        dataHome = none;
        const bool ok = runOnce(app, a);
        dataHome = hundred;
        if (!ok || !runOnce(app, b))
            return 1;
        noneMs.push_back(a.millis);
        hundredMs.push_back(b.millis);
    }
    const double n = median(noneMs), h = median(hundredMs);
    std::printf(
        "start to first paint with 100 user cables / none (median of %d) | %.1f ms | none %.1f ms | ratio "
        "%.2f\n",
        runs, h, n, h / n);
    for (const std::string& folder : {none, hundred})
        std::system(("rm -rf '" + folder + "'").c_str());
    return 0;
}

int main(int argc, char** argv) {
    if (argc >= 3 && std::string(argv[1]) == "--cables")
        return compareCables(argv[2], argc > 3 ? std::atoi(argv[3]) : 20);
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup APP FLOOR [RUNS]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 20;
    std::vector<double> appMs, appMiB, floorMs, floorMiB;
    Run warm;
    if (!runOnce(argv[1], warm) || !runOnce(argv[2], warm)) // fill the page cache first
        return 1;
    for (int i = 0; i < runs; ++i) {
        Run a, f;
        if (!runOnce(argv[1], a) || !runOnce(argv[2], f))
            return 1;
        appMs.push_back(a.millis);
        appMiB.push_back(a.peakMiB);
        floorMs.push_back(f.millis);
        floorMiB.push_back(f.peakMiB);
    }
    const double am = median(appMs), fm = median(floorMs), ar = median(appMiB), fr = median(floorMiB);
    std::printf("start to first paint (median of %d) | %.1f ms | floor %.1f ms | ratio %.2f\n", runs, am, fm,
                am / fm);
    std::printf("peak resident memory (median of %d) | %.1f MiB | floor %.1f MiB | ratio %.2f\n", runs, ar,
                fr, ar / fr);
    return 0;
}
