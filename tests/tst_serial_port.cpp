#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QtTest>
#include <cstdlib>

#include "link/link.h"
#include "link/protocol.h"
#include "link/requests.h"
#include "link/serial_port.h"
#include "link/steady_clock.h"

namespace {

// A pseudo-terminal whose far end the test plays: the port opens path().
class FarEnd {
public:
    FarEnd() {
        fd_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd_ >= 0 && ::grantpt(fd_) == 0 && ::unlockpt(fd_) == 0)
            path_ = QString::fromLocal8Bit(::ptsname(fd_));
    }
    ~FarEnd() { ::close(fd_); }
    FarEnd(const FarEnd&) = delete;
    FarEnd& operator=(const FarEnd&) = delete;

    QString path() const { return path_; }
    int fd() const { return fd_; }
    void send(const QByteArray& bytes) const {
        QCOMPARE(::write(fd_, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
    }
    // All the port has sent so far.
    QByteArray received() {
        char buffer[256];
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n > 0) received_.append(buffer, int(n));
        return received_;
    }

private:
    int fd_ = -1;
    QByteArray received_;
    QString path_;
};

QString noNumbers(int) {
    return QString();
}

}  // namespace

// Given a terminal line, the meter's port opens it raw, carries bytes both
// ways, says why it cannot open it, and lets a reply arrive without waking
// the program for each byte.
class TstSerialPort : public QObject {
    Q_OBJECT

private slots:
    void the_port_carries_bytes_both_ways() {
        FarEnd meter;
        SerialPort port(noNumbers);
        port.setCommPort(meter.path());
        QVERIFY(port.openPort().ok());
        port.output(QByteArray("\x03\x02\x01", 3));
        QTRY_COMPARE(meter.received(), QByteArray("\x03\x02\x01", 3));
        meter.send(QByteArray("\x10\x7F\xFF", 3));
        QTRY_COMPARE(port.inBufferCount(), 3);
        QCOMPARE(port.input(), QByteArray("\x10\x7F\xFF", 3));
        QCOMPARE(port.inBufferCount(), 0);
    }

    // The meter answers at once, one byte at a time; none of them can make
    // the reply whole before the wire could have carried it.
    void a_reply_arriving_before_it_can_be_whole_wakes_nobody() {
        FarEnd meter;
        SerialPort port(noNumbers);
        SteadyClock clock;
        int wakes = 0;
        port.onData([&] {
            ++wakes;
            clock.wake();
        });
        port.setCommPort(meter.path());
        QVERIFY(port.openPort().ok());
        QSocketNotifier asked(meter.fd(), QSocketNotifier::Read);
        connect(&asked, &QSocketNotifier::activated, [&] {
            meter.received();
            for (char b : QByteArray("\x10\x7F\xFF", 3))
                meter.send(QByteArray(1, b));
        });
        LinkState state;
        Link link(port, clock, state);
        const Reply r = link.request(request::counts(false), protocol::CountsReplyLength,
                                     protocol::WaitCounts, Events::DisplayOnly);
        QCOMPARE(r.kind, ReplyKind::Acknowledged);
        QCOMPARE(r.bytes, QByteArray("\x10\x7F\xFF", 3));
        QCOMPARE(wakes, 0);
    }

    void opening_names_why_it_failed_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("heldElsewhere");
        QTest::addColumn<PortError>("fault");
        QTest::newRow("no such device") << "/dev/ttyORBIS-none" << false << PortError::NotFound;
        QTest::newRow("not a terminal") << "/dev/null" << false << PortError::Other;
        QTest::newRow("held by another program") << "" << true << PortError::Busy;
    }
    void opening_names_why_it_failed() {
        QFETCH(QString, path);
        QFETCH(bool, heldElsewhere);
        QFETCH(PortError, fault);
        FarEnd meter;
        SerialPort other(noNumbers);
        other.setCommPort(meter.path());
        if (heldElsewhere) QVERIFY(other.openPort().ok());
        SerialPort port(noNumbers);
        port.setCommPort(path.isEmpty() ? meter.path() : path);
        const OpenResult r = port.openPort();
        QCOMPARE(r.fault, fault);
        QVERIFY(!r.description.isEmpty());
        QVERIFY(!port.portOpen());
    }

    void a_port_open_already_says_so() {
        FarEnd meter;
        SerialPort port(noNumbers);
        port.setCommPort(meter.path());
        QVERIFY(port.openPort().ok());
        QCOMPARE(port.openPort().fault, PortError::AlreadyOpen);
        QVERIFY(port.portOpen());
    }
};

QTEST_GUILESS_MAIN(TstSerialPort)
#include "tst_serial_port.moc"
