#pragma once

#include <QString>

// The access password file "Pass" in the program folder: one line, CR LF,
// Latin-1, every character's code raised by `Passwortversatz` so the
// password cannot be read at a glance.
namespace passwordFile {

constexpr int Passwortversatz = 79;
constexpr int MaxLength = 30;
constexpr const char* FileName = "Pass";
// The stored value that means no password is set.
constexpr const char* NoPassword = "kein";

// What reading the file gave: the password ("kein" for none), or why the
// file could not be used.
struct ReadResult {
    QString password;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// A missing file means no password. A file that exists but cannot be read,
// is empty or holds a password that could not have been stored is an error,
// so the pages it guards stay locked.
ReadResult PasswortLesen(const QString& path);

// Empty when the password can be stored; otherwise the reason it cannot.
QString refusal(const QString& password);

// Stores the password, "kein" for an empty one; writes the whole file or
// nothing, false with the reason in `error`.
bool PasswortSchreiben(const QString& path, const QString& password, QString& error);

}  // namespace passwordFile
