#pragma once

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#include <QByteArray>
#include <QString>
#include <atomic>
#include <cstdlib>
#include <thread>

// A pseudo-terminal of its own between a program and the simulated meter:
// the program opens hostPath() as its port, every byte is passed on at once
// both ways, and the requests equal to `counted` that the meter received are
// counted, so a benchmark sees the polling of a program it cannot look into.
class PtyRelay {
public:
    explicit PtyRelay(QByteArray counted) : counted_(std::move(counted)) {}
    PtyRelay(const PtyRelay&) = delete;
    PtyRelay& operator=(const PtyRelay&) = delete;
    ~PtyRelay() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        for (int fd : {master_, ownSlave_, meter_})
            if (fd >= 0) ::close(fd);
    }

    // Connects to the meter's terminal; false when a terminal cannot be opened.
    bool start(const QString& meterPath) {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return false;
        hostPath_ = QString::fromLocal8Bit(::ptsname(master_));
        // Held open so the terminal never hangs up between the program's opens.
        ownSlave_ = ::open(::ptsname(master_), O_RDWR | O_NOCTTY);
        meter_ = ::open(meterPath.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
        if (ownSlave_ < 0 || meter_ < 0) return false;
        raw(ownSlave_);
        raw(meter_);
        thread_ = std::thread([this] { run(); });
        return true;
    }

    QString hostPath() const { return hostPath_; }
    int counted() const { return seen_; }

private:
    static void raw(int fd) {
        termios t{};
        ::tcgetattr(fd, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(fd, TCSANOW, &t);
    }

    void run() {
        pollfd fds[2] = {{master_, POLLIN, 0}, {meter_, POLLIN, 0}};
        while (!stop_) {
            if (::poll(fds, 2, 100) <= 0) continue;
            if (fds[0].revents & POLLIN) count(pass(master_, meter_));
            if (fds[1].revents & POLLIN) pass(meter_, master_);
            if (fds[1].revents & (POLLHUP | POLLERR)) return;  // the meter has gone
        }
    }

    static QByteArray pass(int from, int to) {
        char buffer[4096];
        const ssize_t n = ::read(from, buffer, sizeof buffer);
        if (n <= 0) return {};
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = ::write(to, buffer + done, size_t(n - done));
            if (w <= 0) break;
            done += w;
        }
        return QByteArray(buffer, int(n));
    }

    // A request may arrive in pieces; the tail of the last piece is kept.
    void count(const QByteArray& bytes) {
        tail_ += bytes;
        for (qsizetype at = tail_.indexOf(counted_); at >= 0; at = tail_.indexOf(counted_, at + 1))
            ++seen_;
        const qsizetype keep = counted_.size() - 1;
        const qsizetype last = tail_.lastIndexOf(counted_);
        tail_ = last >= 0 ? tail_.mid(last + counted_.size()).right(keep) : tail_.right(keep);
    }

    QByteArray counted_;
    QByteArray tail_;
    QString hostPath_;
    int master_ = -1;
    int ownSlave_ = -1;
    int meter_ = -1;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<int> seen_{0};
};
