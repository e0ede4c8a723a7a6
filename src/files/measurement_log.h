#pragma once

#include <QFile>
#include <QString>

// The measured-data log: records go to numbered files MdPfad/MdDateiname.1 …
// .999 (CR LF, Latin-1), each file taking up to MaxRecords lines before the
// next one is begun. Every record is handed to the system as soon as it is
// written, so a crash or power loss costs at most the record being written.
class MeasurementLog {
public:
    static constexpr int MaxRecords = 16000;
    static constexpr int MaxFiles = 999;

    enum class Result { Ok, Exhausted, WriteError };

    // Continues the first file, from number 1 on, that has room, creating it
    // when missing; files with room are never overwritten. A line cut short by
    // a crash is removed before anything follows it. Exhausted when all
    // MaxFiles files are full, which leaves them untouched.
    Result start(const QString& MdPfad, const QString& MdDateiname);

    // Counts the record and writes it. The file changes once the count passes
    // MaxRecords, and the count starts again at 0 with the record that opens
    // the next file, so the first file holds MaxRecords records and every
    // later one MaxRecords + 1. Exhausted past the last file, with nothing
    // written. Any result but Ok stops the log. After moveTo() the next file
    // is the one start() takes in the new place, and the record counts as
    // the first one after a start.
    Result append(const QString& record);

    void stop();

    // Where the files go from the next file switch on; the file being written
    // is kept. Another folder or base name begins there as start() does.
    void moveTo(const QString& MdPfad, const QString& MdDateiname);

    int MdNummer() const { return MdNummer_; }
    int MdSaetze() const { return MdSaetze_; }
    QString MdPfad() const { return MdPfad_; }
    QString MdDateiname() const { return MdDateiname_; }
    QString MdDatei() const;
    QString MdEndung() const;
    // The file and the system's reason after a write error.
    QString error() const { return error_; }
    bool active() const { return file_.isOpen(); }

private:
    Result nextFile();
    Result openForAppend();
    Result fail(const QString& reason);

    QString MdPfad_;
    QString MdDateiname_;
    QString nextPfad_;
    QString nextDateiname_;
    int MdNummer_ = 0;
    int MdSaetze_ = 0;
    QFile file_;
    QString error_;
};
