#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "files/program_folder.h"

namespace {

void fuelle(const QString& ordner) {
    for (const QString& d : programmordner::ausgelieferteDateien()) {
        QFile f(QDir(ordner).filePath(d));
        f.open(QIODevice::WriteOnly);
        f.write(d.toLatin1());
    }
}

}  // namespace

// The program folder is the executable's own when it can serve as one,
// otherwise a per-user folder filled with the shipped files.
class TstProgrammordner : public QObject {
    Q_OBJECT

private slots:
    void ein_beschreibbarer_ordner_mit_den_dateien_wird_selbst_benutzt() {
        QTemporaryDir exe, daten;
        fuelle(exe.path());
        QCOMPARE(programmordner::bestimmen(exe.path(), daten.filePath(QStringLiteral("orbis")),
                                           exe.path()),
                 exe.path());
        QVERIFY(!QFileInfo::exists(daten.filePath(QStringLiteral("orbis"))));
    }

    void sonst_wird_der_benutzerordner_mit_den_dateien_gefuellt() {
        QTemporaryDir exe, ausgeliefert, daten;
        fuelle(ausgeliefert.path());
        const QString ziel = daten.filePath(QStringLiteral("orbis"));
        QCOMPARE(programmordner::bestimmen(exe.path(), ziel, ausgeliefert.path()), ziel);
        for (const QString& d : programmordner::ausgelieferteDateien())
            QVERIFY(QFileInfo::exists(QDir(ziel).filePath(d)));
    }

    void vorhandene_dateien_im_benutzerordner_bleiben_unberuehrt() {
        QTemporaryDir exe, ausgeliefert, daten;
        fuelle(ausgeliefert.path());
        QFile eigene(daten.filePath(QStringLiteral("UNIT.CON")));
        eigene.open(QIODevice::WriteOnly);
        eigene.write("meine Einheiten");
        eigene.close();
        programmordner::bestimmen(exe.path(), daten.path(), ausgeliefert.path());
        QFile f(daten.filePath(QStringLiteral("UNIT.CON")));
        f.open(QIODevice::ReadOnly);
        QCOMPARE(f.readAll(), QByteArray("meine Einheiten"));
    }
};

QTEST_GUILESS_MAIN(TstProgrammordner)
#include "tst_programmordner.moc"
