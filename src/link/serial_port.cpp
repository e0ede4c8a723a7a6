#include "link/serial_port.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <QMetaObject>
#include <cerrno>
#include <cstring>
#include <utility>

#include "link/protocol.h"

static_assert(protocol::BaudRate == 9600, "the port sets the terminal to B9600");

namespace {

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

PortError openFault(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return PortError::NoPermission;
        case EBUSY:
        case EWOULDBLOCK:
            return PortError::Busy;
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return PortError::NotFound;
        default:
            return PortError::Other;
    }
}

// What the device does not take at once stays in `bytes`; false when the
// device failed.
bool writeSome(int fd, QByteArray& bytes) {
    while (!bytes.isEmpty()) {
        const ssize_t n = ::write(fd, bytes.constData(), size_t(bytes.size()));
        if (n > 0)
            bytes.remove(0, qsizetype(n));
        else if (n < 0 && errno == EINTR)
            continue;
        else
            return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
    }
    return true;
}

}  // namespace

QString defaultDeviceName(int number) {
    return QStringLiteral("/dev/ttyS%1").arg(number - 1);
}

SerialPort::SerialPort(std::function<QString(int)> deviceName)
    : deviceName_(std::move(deviceName)) {}

SerialPort::~SerialPort() {
    closePort();
}

void SerialPort::setCommPort(const QString& port) {
    port_ = port.trimmed();
}

QString SerialPort::systemName() const {
    bool asNumber = false;
    const int number = port_.toInt(&asNumber);
    return asNumber ? deviceName_(number) : port_;
}

// Another program holding the port makes it busy: the lock keeps out those
// that lock too, exclusive mode those that do not.
OpenResult SerialPort::openPort() {
    if (fd_ >= 0) return {PortError::AlreadyOpen, QStringLiteral("Port already open")};
    fd_ =
        ::open(systemName().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        const int error = errno;
        return {openFault(error), systemError(error)};
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        closePort();
        return {openFault(error), systemError(error)};
    }
    ::ioctl(fd_, TIOCEXCL);
    const OpenResult r = configure();
    if (!r.ok()) {
        closePort();
        return r;
    }
    lost_ = false;
    readable_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    readable_->setEnabled(watching_);
    QObject::connect(readable_.get(), &QSocketNotifier::activated, [this] { readReported(); });
    writable_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Write);
    writable_->setEnabled(false);
    QObject::connect(writable_.get(), &QSocketNotifier::activated, [this] { writeUnsent(); });
    return {};
}

// Raw 8N1 at 9600 baud without handshaking; what arrived before is dropped.
OpenResult SerialPort::configure() {
    termios t{};
    if (::tcgetattr(fd_, &t) != 0) return {PortError::Other, systemError(errno)};
    ::cfmakeraw(&t);
    t.c_cflag &= ~tcflag_t(CSIZE | CSTOPB | PARENB | CRTSCTS);
    t.c_cflag |= CS8 | CLOCAL | CREAD;
    t.c_iflag &= ~tcflag_t(IXON | IXOFF | IXANY);
    t.c_cc[VMIN] = 1;  // so that a read finding nothing says so, and 0 means hung up
    t.c_cc[VTIME] = 0;
    ::cfsetispeed(&t, B9600);
    ::cfsetospeed(&t, B9600);
    if (::tcsetattr(fd_, TCSANOW, &t) != 0) return {PortError::Other, systemError(errno)};
    ::tcflush(fd_, TCIOFLUSH);
    return {};
}

void SerialPort::closePort() {
    readable_.reset();
    writable_.reset();
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    received_.clear();
    unsent_.clear();
}

// While anything waits unsent, the next request queues behind it, so that
// no frame overtakes another.
void SerialPort::output(const QByteArray& bytes) {
    if (fd_ < 0 || lost_) return;
    unsent_ += bytes;
    writeUnsent();
}

void SerialPort::writeUnsent() {
    if (!writeSome(fd_, unsent_)) {
        lose();
        return;
    }
    writable_->setEnabled(!unsent_.isEmpty());
}

void SerialPort::watchInput(bool on) {
    watching_ = on;
    if (readable_) readable_->setEnabled(on && !lost_);
}

void SerialPort::readReported() {
    const qsizetype before = received_.size();
    fetch();
    if (received_.size() == before || !onData_) return;
    justRead_ = true;
    onData_();
    justRead_ = false;
}

// One read takes all there is unless the buffer fills. Right after a report
// the bytes have just been taken, and asking the system again would cost a
// call for every byte of a reply.
void SerialPort::fetch() {
    if (fd_ < 0 || lost_ || justRead_) return;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n > 0) received_.append(buffer, qsizetype(n));
        if (n == ssize_t(sizeof buffer)) continue;
        if (n == 0) lose();
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) lose();
        return;
    }
}

int SerialPort::inBufferCount() {
    fetch();
    return int(received_.size());
}

void SerialPort::clearInBuffer() {
    input();
}

QByteArray SerialPort::input() {
    fetch();
    return std::exchange(received_, QByteArray());
}

// Closing happens later: the read or write that found the loss may run in
// the handler of a notifier that closing deletes.
void SerialPort::lose() {
    if (lost_) return;
    lost_ = true;
    readable_->setEnabled(false);
    writable_->setEnabled(false);
    QMetaObject::invokeMethod(
        &context_, [this] { closePort(); }, Qt::QueuedConnection);
}
