// The serial port of a USB analyser on a POSIX system: opened by path, raw, non-blocking, waited on with
// poll, for this program alone while it is open.
#include "analyser/analyser.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace analyser {

namespace {

std::string busyMessage(const std::string& path) {
    return path +
           " is in use by another program: a terminal program, another window of this one, or "
           "ModemManager, which probes a newly plugged port for a few seconds. Close the other program, or "
           "wait a moment and try again; the udev rule installed with this program tells ModemManager to "
           "leave the analyser alone.";
}

class PosixSerial : public Transport {
  public:
    PosixSerial(int fd, std::string path, const termios& saved)
        : fd_(fd), path_(std::move(path)), saved_(saved) {}
    ~PosixSerial() override {
        tcsetattr(fd_, TCSANOW, &saved_); // the port's settings as they were, for the next program
        ioctl(fd_, TIOCNXCL);
        ::close(fd_);
    }

    void write(std::string_view bytes) override {
        const auto deadline = Clock::now() + std::chrono::seconds(3);
        while (!bytes.empty()) {
            const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
            if (n > 0) {
                bytes.remove_prefix(static_cast<std::size_t>(n));
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && errno != EAGAIN)
                throw lost();
            if (Clock::now() >= deadline)
                throw Error(Fault::NoAnswer, "The analyser on " + path_ + " takes no more data.");
            pollfd p{fd_, POLLOUT, 0};
            if (::poll(&p, 1, 50) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)))
                throw lost();
        }
    }

    std::size_t read(char* buffer, std::size_t size, std::chrono::milliseconds wait) override {
        pollfd p{fd_, POLLIN, 0};
        const int r = ::poll(&p, 1, static_cast<int>(wait.count()));
        if (r < 0 && errno == EINTR)
            return 0;
        if (r < 0)
            throw lost();
        if (r == 0)
            return 0;
        if (!(p.revents & POLLIN))
            throw lost(); // hung up, or an error, with nothing left to read
        const ssize_t n = ::read(fd_, buffer, size);
        if (n > 0)
            return static_cast<std::size_t>(n);
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            return 0;
        throw lost();
    }

    void discardInput() override { tcflush(fd_, TCIFLUSH); }
    std::string name() const override { return path_; }

  private:
    Error lost() const {
        return Error(Fault::Lost, "The analyser on " + path_ +
                                      " was lost: was its USB cable pulled, or was it "
                                      "switched off?");
    }
    int fd_;
    std::string path_;
    termios saved_;
};

} // namespace

std::unique_ptr<Transport> openSerial(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int e = errno;
        switch (e) {
        case ENOENT:
        case ENOTDIR:
            throw Error(Fault::NoPort,
                        "There is no serial port " + path +
                            ": is the analyser plugged in and switched on? Its port is usually "
                            "/dev/ttyACM0.");
        case ENXIO:
        case ENODEV:
            throw Error(Fault::NoPort, "No device answers behind " + path +
                                           ": is the analyser plugged in and "
                                           "switched on?");
        case EACCES:
        case EPERM:
            throw Error(
                Fault::Permission,
                "No permission to open " + path +
                    ": add yourself to the dialout group (sudo usermod -aG dialout $USER, then log out and "
                    "in again), or install the udev rule that comes with this program, which gives the "
                    "analyser to the user at the desk.");
        case EBUSY:
            throw Error(Fault::Busy, busyMessage(path));
        case EISDIR:
            throw Error(Fault::NotSerial, path + " is a folder, not a serial port.");
        default:
            throw Error(Fault::NoPort, "The port " + path + " cannot be opened: " + std::strerror(e) + ".");
        }
    }
    termios saved{};
    if (!isatty(fd) || tcgetattr(fd, &saved) != 0) {
        ::close(fd);
        throw Error(Fault::NotSerial, path + " is not a serial port.");
    }
    // Another program of the same kind may hold it without making it exclusive.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        throw Error(Fault::Busy, busyMessage(path));
    }
    termios t = saved;
    cfmakeraw(&t);
    cfsetispeed(&t, B115200);
    cfsetospeed(&t, B115200);
    t.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CRTSCTS | CSIZE);
    t.c_cflag |= CS8 | CLOCAL | CREAD;
    t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    if (tcsetattr(fd, TCSANOW, &t) != 0) {
        ::close(fd);
        throw Error(Fault::NotSerial, path + " does not take the settings of a serial port.");
    }
    ioctl(fd, TIOCEXCL); // no other program opens it while this one measures
    tcflush(fd, TCIOFLUSH);
    return std::make_unique<PosixSerial>(fd, path, saved);
}

} // namespace analyser
