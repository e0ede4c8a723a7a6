#include <QtTest>

#include "device/dac_calibration.h"

using namespace dacCalibration;

namespace {

// The reference levels the reset writes: 0 / 10 / 0 / 5 V, 0 / 20 / 4 / 20 mA.
std::array<float, 9> defaultLevels() {
    std::array<float, 9> r{};
    for (size_t i = 0; i < 8; ++i)
        r[i + 1] = defaultReferences()[i].level;
    return r;
}

}  // namespace

Q_DECLARE_METATYPE(Stage)

// Given the default calibration points of an output stage, the offsets and
// factors of its two ranges are the words the meter has always been given.
class TstDacCalibration : public QObject {
    Q_OBJECT

private slots:
    void the_default_points_give_the_known_words_data() {
        QTest::addColumn<Stage>("stage");
        QTest::addColumn<QVector<int>>("indexes");
        QTest::addColumn<QVector<int>>("words");
        QTest::newRow("current") << Stage::Current << QVector<int>{7, 8, 9, 10}
                                 << QVector<int>{143, 52550, 10895, 41810};
        QTest::newRow("voltage") << Stage::Voltage << QVector<int>{5, 6, 3, 4}
                                 << QVector<int>{44, 58406, 44, 29193};
    }
    void the_default_points_give_the_known_words() {
        QFETCH(Stage, stage);
        const auto words = DacKalibrierung(defaultPoints(stage), stage, defaultLevels());
        QVector<int> indexes, values;
        for (const Word& w : words) {
            indexes << w.index;
            values << w.value;
            QVERIFY(!w.outOfTolerance);
        }
        QTEST(indexes, "indexes");
        QTEST(values, "words");
    }

    // A reference level below the stage's lowest output gives a negative
    // offset, sent as sign and magnitude; the other words are still worked out.
    void a_negative_offset_is_sent_as_sign_and_magnitude() {
        std::array<float, 9> levels = defaultLevels();
        levels[1] = -0.008f;
        const auto words = DacKalibrierung(defaultPoints(Stage::Voltage), Stage::Voltage, levels);
        QCOMPARE(int(words[0].value), 32771);  // -3
        QVERIFY(words[0].outOfTolerance);
        QVERIFY(!words[2].outOfTolerance);
        QCOMPARE(int(words[2].value), 44);
    }
};

QTEST_GUILESS_MAIN(TstDacCalibration)
#include "tst_dac_calibration.moc"
