#include "link/qt_serial_port.h"

#include <QMetaObject>

#include "link/protocol.h"

#ifdef Q_OS_UNIX
#include <unistd.h>

#include <cerrno>
#endif

namespace {

// Hands the device what it takes at once, as a flushed write does, and returns
// how many bytes it took. Unlike QSerialPort's own write this switches no
// write notifier on and off, which costs the window two extra passes of its
// event loop for every request.
qsizetype writeDirectly(QSerialPort& serial, const QByteArray& bytes) {
#ifdef Q_OS_UNIX
    const int fd = serial.handle();
    qsizetype taken = 0;
    while (taken < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + taken, size_t(bytes.size() - taken));
        if (n > 0)
            taken += n;
        else if (n < 0 && errno == EINTR)
            continue;
        else
            break;
    }
    return taken;
#else
    Q_UNUSED(serial);
    Q_UNUSED(bytes);
    return 0;
#endif
}

}  // namespace

QString defaultDeviceName(int number) {
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(number);
#else
    return QStringLiteral("/dev/ttyS%1").arg(number - 1);
#endif
}

QtSerialPort::QtSerialPort(std::function<QString(int)> deviceName)
    : deviceName_(std::move(deviceName)) {
    QObject::connect(&serial_, &QSerialPort::readyRead, [this] {
        if (!onData_) return;
        justRead_ = true;
        onData_();
        justRead_ = false;
    });
    QObject::connect(&serial_, &QSerialPort::errorOccurred,
                     [this](QSerialPort::SerialPortError e) { fault(e); });
}

void QtSerialPort::setCommPort(const QString& port) {
    port_ = port.trimmed();
}

QString QtSerialPort::systemName() const {
    bool asNumber = false;
    const int number = port_.toInt(&asNumber);
    return asNumber ? deviceName_(number) : port_;
}

OpenResult QtSerialPort::openPort() {
    if (serial_.isOpen()) return {PortError::AlreadyOpen, QStringLiteral("Port already open")};
    serial_.setPortName(systemName());
    serial_.setBaudRate(protocol::BaudRate);
    serial_.setDataBits(QSerialPort::Data8);
    serial_.setParity(QSerialPort::NoParity);
    serial_.setStopBits(QSerialPort::OneStop);
    serial_.setFlowControl(QSerialPort::NoFlowControl);
    if (!serial_.open(QIODevice::ReadWrite)) {
        OpenResult r{PortError::Other, serial_.errorString()};
        switch (serial_.error()) {
            case QSerialPort::PermissionError:
                r.fault = PortError::NoPermission;
                break;
            case QSerialPort::DeviceNotFoundError:
                r.fault = PortError::NotFound;
                break;
            case QSerialPort::OpenError:
                r.fault = PortError::Busy;
                break;
            default:
                break;
        }
        serial_.clearError();
        return r;
    }
    lossReported_ = false;
    serial_.clear();
    serial_.readAll();
    return {};
}

void QtSerialPort::closePort() {
    if (serial_.isOpen()) serial_.close();
}

// What the device does not take at once waits in QSerialPort's buffer; while
// anything waits there, the next request queues behind it, so that no frame
// overtakes another.
void QtSerialPort::output(const QByteArray& bytes) {
    if (!serial_.isOpen()) return;
    const qsizetype taken = serial_.bytesToWrite() > 0 ? 0 : writeDirectly(serial_, bytes);
    if (taken == bytes.size()) return;
    serial_.write(bytes.mid(taken));
    serial_.flush();
}

void QtSerialPort::fetchPending() {
    // Pull what the system holds even when no event loop is running. Right
    // after a notification QSerialPort has just taken all there was, and
    // asking the system again would cost a call for every byte of a reply.
    if (justRead_) return;
    if (serial_.isOpen() && !lossReported_) serial_.waitForReadyRead(0);
}

int QtSerialPort::inBufferCount() {
    fetchPending();
    return serial_.isOpen() ? int(serial_.bytesAvailable()) : 0;
}

void QtSerialPort::clearInBuffer() {
    input();
}

QByteArray QtSerialPort::input() {
    fetchPending();
    return serial_.isOpen() ? serial_.readAll() : QByteArray();
}

void QtSerialPort::fault(QSerialPort::SerialPortError e) {
    if (e != QSerialPort::ReadError && e != QSerialPort::ResourceError) return;
    if (lossReported_) return;
    lossReported_ = true;
    const QString reason = serial_.errorString();
    // Closing from inside the error signal would re-enter QSerialPort.
    QMetaObject::invokeMethod(
        &serial_,
        [this, reason] {
            closePort();
            if (onLoss_) onLoss_(reason);
        },
        Qt::QueuedConnection);
}
