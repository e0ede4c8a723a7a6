#include <QtTest>

#include "config/output_limits.h"
#include "device/eeprom_map.h"
#include "device/image_fields.h"
#include "files/config_file.h"
#include "files/curve_csv.h"
#include "files/snapshot_store.h"
#include "link/byte_order.h"
#include "support/bench.h"
#include "support/file_helpers.h"
#include "support/progress_log.h"
#include "support/property.h"

namespace {

using Result = WriteResult;

void put(QByteArray& e, int address, const QByteArray& bytes) {
    e.replace(address, bytes.size(), bytes);
}

int any(int from, int below) {
    return *rc::gen::inRange(from, below);
}

float anyFloat(float low, float high) {
    return low + (high - low) * float(any(0, 10001)) / 10000.0f;
}

// A configuration the tool could have written: any output, a full scale
// within the range limit (90 % of it with the overflow on), a pulse value
// the output can follow, frequencies and switch points within their limits.
void anyConfiguration(QByteArray& e) {
    const int kind = *rc::gen::element(0x14, 0x08, 0x40, 0x00);  // pulse, frequency, switch, none
    const bool overflow = any(0, 2), plus = any(0, 2) && kind != 0x08;
    e[address::Ausgangsart] = char(any(1, 3) + kind);
    e[address::Analogbereich] = char((1 << any(0, 4)) | (0x10 << any(0, 4)));
    e[address::Digitalflags] = char((kind == 0x40 ? 140 : kind == 0x08 ? 132 : 0x84) | plus);
    const float mog = anyFloat(10, 2000), mew = anyFloat(1, overflow ? 0.9f * mog : mog);
    for (const auto& [a, v] : {std::pair{address::MOG, mog},
                               {address::MEW, mew},
                               {address::Schleichmenge, anyFloat(0, mew / 10)},
                               {address::SchaltMin, anyFloat(0, mog / 2)},
                               {address::SchaltMax, anyFloat(mog / 2, 1.1f * mog)}})
        put(e, a, byteOrder::float32(v));
    e[address::Ueberlauf] = char(overflow);
    put(e, address::Filterfaktor, byteOrder::word16(quint16(any(1, 65535))));
    put(e, address::Impulsteiler, byteOrder::dword32(quint32(any(100000, 50000000))));
    e[address::Impulsdauer] = char(any(1, 256));
    const int low = any(1, 2000),
              high = any(low + 1, overflow ? outputLimits::OverflowFrequencyMax : 2501);
    e[address::Frequenzbereich] = char(any(0, 3));
    put(e, address::FrequenzMin, byteOrder::word16(quint16(low)));
    put(e, address::FrequenzMax, byteOrder::word16(quint16(high)));
}

// One to thirty points, counts and flows rising.
void anyCurve(QByteArray& e) {
    e[address::StpAnzahl] = char(any(1, 31));
    for (int i = 0, counts = 0; i < e[address::StpAnzahl]; ++i) {
        const int a = address::FirstSupportPoint + address::SupportPointStride * i;
        put(e, a, byteOrder::word16(quint16(counts += any(1, 130))));
        put(e, a + address::SupportPointFlowOffset, byteOrder::float32(float(counts) / 8));
    }
}

void anyCalibration(QByteArray& e) {
    for (const imageFields::Field& f : imageFields::calibration())
        for (int i = 0; i < imageFields::length(f.kind); ++i)
            e[f.address + i] = char(any(0, 256));
}

// Any meter, or, from a snapshot, that meter with each part changed or not.
QByteArray anyMeter(const QByteArray& snapshot = QByteArray()) {
    QByteArray e = snapshot.isEmpty() ? images::standard() : snapshot;
    for (auto part : {anyConfiguration, anyCurve, anyCalibration})
        if (snapshot.isEmpty() || any(0, 2)) part(e);
    return e;
}

// Each write, after an edit that gives it something to write.
Result write(Bench& b, const QString& operation) {
    Session& s = b.session;
    if (operation == "write-curve")
        return s.meter.StpCounts[12] = 3950, b.features.points.writeSupportPoints();
    if (operation == "calibrate-reset") return b.features.calibration.calibrationReset();
    QByteArray e = images::standard();
    if (operation == "restore")
        return b.features.snapshots.restoreSnapshot(
            e.replace(address::Schleichmenge, 4, byteOrder::float32(0.75f)));
    b.features.analog.tickAnalog(2, true);
    b.features.analog.boxChanged(Box::Schleich, QStringLiteral("0.75"));
    return b.features.write.KonfigurationSchreiben();
}

}  // namespace

// Given a connected meter, every write first keeps the meter's image as read
// in the meter's snapshot folder, and a snapshot written back from the window
// leaves the meter as it was.
class TstSnapshots : public QObject {
    Q_OBJECT

private slots:
    void every_write_keeps_a_snapshot_first_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<bool>("blocked");  // the snapshot folder cannot be made
        for (const QString name : {"write-config", "write-curve", "calibrate-reset", "restore"})
            for (bool blocked : {false, true})
                QTest::newRow(qPrintable(name + (blocked ? " refused" : ""))) << name << blocked;
    }
    void every_write_keeps_a_snapshot_first() {
        QFETCH(QString, operation);
        QFETCH(bool, blocked);
        Bench b;
        b.start();
        const QString folder = b.session.snapshotFolder();
        const QString saved =
            QString::fromLatin1(configFile::text(b.features.deviceData.currentConfig()));
        QString notWhole;
        const QByteArray curve = curveCsv::text(b.session.meter, notWhole);
        if (blocked) writeFile(b.folder.filePath("snapshots"), "not a folder");
        const int sent = int(b.frames().size());
        const Result r = write(b, operation);
        const auto kept = snapshotStore::list(b.folder.path(), QStringLiteral("QO24031507"));
        if (blocked) {
            QCOMPARE(r, Result::Refused);
            QCOMPARE(int(b.frames().size()), sent);
            QCOMPARE(b.dialogs.shownMessages.size(), 1);
            QVERIFY(b.dialogs.texts().first().contains(folder));
            return;
        }
        QCOMPARE(r, Result::Written);
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept[0].operation, operation);
        QCOMPARE(readFile(kept[0].path), images::standard());
        const QString base = kept[0].path.chopped(4);
        QCOMPARE(QString::fromLatin1(readFile(base + ".use")), saved);
        QCOMPARE(readFile(base + ".csv"), curve);
        b.features.snapshots
            .restoreFromMenu();  // cancelled; the dialog opens where the snapshot is
        QCOMPARE(b.dialogs.fileQuestions.last().initialName, QFileInfo(base).path() + '/');
    }

    void a_restored_snapshot_reproduces_the_image() {
        QCHECK_PROPERTY("a snapshot restored gives the meter its bytes back", [] {
            const QByteArray snapshot = anyMeter();
            Bench b(anyMeter(snapshot));
            b.start();
            // Fast, against a meter that drops what arrives while it is busy, or as always.
            b.session.linkState.fast = *rc::gen::arbitrary<bool>();
            if (b.session.linkState.fast) b.sim.line.whileBusy = WhileBusy::Drop;
            const QString file = b.folder.filePath("snapshot.bin");
            writeFile(file, snapshot);
            b.dialogs.fileNames << file;
            b.dialogs.answers << Answer::Yes;
            const QStringList changes = b.features.snapshots.restoreChanges(snapshot);
            const ProgressLog progress(b.session);
            b.features.snapshots.restoreFromMenu();
            RC_ASSERT(b.session.state.writeDifferences.isEmpty());
            RC_ASSERT(progress.fault().isEmpty() || changes.isEmpty());
            const int points = quint8(snapshot[address::StpAnzahl]);
            for (const imageFields::Field& f : imageFields::configuration() +
                                                   imageFields::curve(points) +
                                                   imageFields::calibration()) {
                const int n = imageFields::length(f.kind);
                RC_ASSERT(b.sim.meter.eeprom().mid(f.address, n) == snapshot.mid(f.address, n));
            }
            RC_ASSERT(b.dialogs.texts().value(0).contains(changes.value(changes.size() - 1)));
        });
    }
};

QTEST_GUILESS_MAIN(TstSnapshots)
#include "tst_snapshots.moc"
