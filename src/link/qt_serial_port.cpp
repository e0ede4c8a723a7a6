#include "link/qt_serial_port.h"

#include <QMetaObject>

QString standardGeraetename(int nummer) {
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(nummer);
#else
    return QStringLiteral("/dev/ttyS%1").arg(nummer - 1);
#endif
}

QtSerialPort::QtSerialPort(std::function<QString(int)> geraetename)
    : geraetename_(std::move(geraetename)) {
    QObject::connect(&serial_, &QSerialPort::readyRead, [this] {
        if (beiDaten_) beiDaten_();
    });
    QObject::connect(&serial_, &QSerialPort::errorOccurred,
                     [this](QSerialPort::SerialPortError e) { fehler(e); });
}

void QtSerialPort::setCommPort(const QString& port) {
    port_ = port.trimmed();
}

QString QtSerialPort::systemName() const {
    bool zahl = false;
    const int nummer = port_.toInt(&zahl);
    return zahl ? geraetename_(nummer) : port_;
}

PortOeffnung QtSerialPort::oeffnen() {
    if (serial_.isOpen()) return {PortFehler::SchonOffen, QStringLiteral("Port already open")};
    serial_.setPortName(systemName());
    serial_.setBaudRate(QSerialPort::Baud9600);
    serial_.setDataBits(QSerialPort::Data8);
    serial_.setParity(QSerialPort::NoParity);
    serial_.setStopBits(QSerialPort::OneStop);
    serial_.setFlowControl(QSerialPort::NoFlowControl);
    if (!serial_.open(QIODevice::ReadWrite)) {
        PortOeffnung r{PortFehler::Anderer, serial_.errorString()};
        switch (serial_.error()) {
            case QSerialPort::PermissionError:
                r.fehler = PortFehler::KeineBerechtigung;
                break;
            case QSerialPort::DeviceNotFoundError:
                r.fehler = PortFehler::NichtVorhanden;
                break;
            case QSerialPort::OpenError:
                r.fehler = PortFehler::Belegt;
                break;
            default:
                break;
        }
        serial_.clearError();
        return r;
    }
    verlorenGemeldet_ = false;
    serial_.clear();
    serial_.readAll();
    return {};
}

void QtSerialPort::schliessen() {
    if (serial_.isOpen()) serial_.close();
}

void QtSerialPort::output(const QByteArray& bytes) {
    if (!serial_.isOpen()) return;
    serial_.write(bytes);
    serial_.flush();
}

void QtSerialPort::abholen() {
    // Pull what the system holds even when no event loop is running.
    if (serial_.isOpen() && !verlorenGemeldet_) serial_.waitForReadyRead(0);
}

int QtSerialPort::inBufferCount() {
    abholen();
    return serial_.isOpen() ? int(serial_.bytesAvailable()) : 0;
}

void QtSerialPort::inBufferLeeren() {
    input();
}

QByteArray QtSerialPort::input() {
    abholen();
    return serial_.isOpen() ? serial_.readAll() : QByteArray();
}

void QtSerialPort::fehler(QSerialPort::SerialPortError e) {
    if (e != QSerialPort::ReadError && e != QSerialPort::ResourceError) return;
    if (verlorenGemeldet_) return;
    verlorenGemeldet_ = true;
    const QString grund = serial_.errorString();
    // Closing from inside the error signal would re-enter QSerialPort.
    QMetaObject::invokeMethod(
        &serial_,
        [this, grund] {
            schliessen();
            if (beiVerlust_) beiVerlust_(grund);
        },
        Qt::QueuedConnection);
}
