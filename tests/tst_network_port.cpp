#include <QtTest>

#include "link/network_address.h"
#include "link/telnet.h"
#include "support/property.h"

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

// What a decoder makes of `stream` fed in pieces cut at `cuts`.
QByteArray decodeInPieces(const QByteArray& stream, std::vector<int> cuts, QByteArray& answer) {
    telnet::Decoder d;
    QByteArray data;
    std::sort(cuts.begin(), cuts.end());
    int from = 0;
    for (int cut : cuts) {
        cut = std::clamp(cut, from, int(stream.size()));
        data += d.feed(stream.mid(from, cut - from), answer);
        from = cut;
    }
    return data + d.feed(stream.mid(from), answer);
}

}  // namespace

// Given a port named by a URL, the tool reaches the serial device server it
// names; with Telnet COM-port control, the meter's bytes cross unchanged and
// the server's option talk is answered and kept out of them.
class TstNetworkPort : public QObject {
    Q_OBJECT

private slots:
    void a_url_names_a_device_server_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("named");  // kind host port, or the fault
        QTest::newRow("raw") << "socket://meter-7.plant:4001"
                             << "raw meter-7.plant 4001";
        QTest::newRow("rfc2217") << "rfc2217://10.0.0.9:2217"
                                 << "rfc2217 10.0.0.9 2217";
        QTest::newRow("IPv6") << "socket://[::1]:4001"
                              << "raw ::1 4001";
        QTest::newRow("another kind")
            << "ftp://host:21"
            << "a network port is socket://HOST:PORT or rfc2217://HOST:PORT";
        QTest::newRow("no TCP port") << "socket://host"
                                     << "the TCP port must be a number from 1 to 65535";
        QTest::newRow("TCP port 0") << "socket://host:0"
                                    << "the TCP port must be a number from 1 to 65535";
        QTest::newRow("TCP port too high") << "socket://host:70000"
                                           << "expected socket://HOST:PORT";
        QTest::newRow("a path") << "rfc2217://host:4001/dev/ttyS0"
                                << "expected rfc2217://HOST:PORT";
        QTest::newRow("no host") << "socket://:4001"
                                 << "expected socket://HOST:PORT";
    }
    void a_url_names_a_device_server() {
        QFETCH(QString, url);
        QFETCH(QString, named);
        QVERIFY(isPortUrl(url));
        QString fault;
        const auto a = parseNetworkAddress(url, fault);
        const QString got =
            a ? QStringLiteral("%1 %2 %3")
                    .arg(a->kind == NetworkAddress::Kind::Raw ? "raw" : "rfc2217", a->host)
                    .arg(a->port)
              : fault;
        QCOMPARE(got, named);
    }

    void meter_bytes_cross_telnet_unchanged() {
        QCHECK_PROPERTY("escaped, cut anywhere and decoded, the bytes come back", [] {
            const auto bytes = *rc::gen::container<std::vector<char>>(rc::gen::weightedOneOf<char>(
                {{1, rc::gen::just(char(telnet::Iac))}, {3, rc::gen::arbitrary<char>()}}));
            const QByteArray data(bytes.data(), qsizetype(bytes.size()));
            const auto cuts = *rc::gen::container<std::vector<int>>(
                rc::gen::inRange(0, int(2 * data.size() + 1)));
            QByteArray answer;
            RC_ASSERT(decodeInPieces(telnet::escape(data), cuts, answer) == data);
            RC_ASSERT(answer.isEmpty());
        });
    }

    void the_server_talk_is_answered_and_dropped_data() {
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("agrees to what the tool asked for")
            << hex("10 fffd00 fffb00 fffd2c fffb03 11") << hex("1011") << QByteArray();
        QTest::newRow("refuses echo both ways")
            << hex("fffd01 10 fffb01") << hex("10") << hex("fffc01 fffe01");
        QTest::newRow("drops the COM-port replies and notes")
            << hex("10 fffa2c65 00002580 fff0 fffa2c6b ffff fff0 0b") << hex("100b")
            << QByteArray();
        QTest::newRow("drops commands without an option")
            << hex("fff1 10 fff9 ffff") << hex("10ff") << QByteArray();
    }
    void the_server_talk_is_answered_and_dropped() {
        QFETCH(QByteArray, received);
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, answer);
        for (int cut = 0; cut <= received.size(); ++cut) {
            QByteArray told;
            QCOMPARE(decodeInPieces(received, {cut}, told), data);
            QCOMPARE(told, answer);
        }
    }

    void the_opening_sets_the_meters_line() {
        const QByteArray o = telnet::opening(9600);
        QVERIFY(o.startsWith(hex("fffb00 fffd00 fffb03 fffd03 fffb2c")));
        for (const char* setting : {"fffa2c01 00002580 fff0", "fffa2c02 08 fff0",
                                    "fffa2c03 01 fff0", "fffa2c04 01 fff0", "fffa2c05 01 fff0"})
            QVERIFY2(o.contains(hex(setting)), setting);
    }
};

QTEST_GUILESS_MAIN(TstNetworkPort)
#include "tst_network_port.moc"
