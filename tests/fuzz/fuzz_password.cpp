// The password file "Pass" with any content: a password it yields could
// have been stored, and storing it reads back the same.
#include <cstddef>
#include <cstdint>

#include "files/password_file.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const passwordFile::ReadResult r =
        passwordFile::PasswortLesen(fileWith(bytes(data, size), passwordFile::FileName));
    if (!r.ok()) return 0;
    require(!r.password.isEmpty() && r.password.size() <= passwordFile::MaxLength,
            "a password read has 1 to 30 characters");
    require(passwordFile::refusal(r.password).isEmpty(), "a password read could be stored");
    const QString again = fileWith(QByteArray(), QStringLiteral("Pass.again"));
    QString error;
    require(passwordFile::PasswortSchreiben(again, r.password, error), "it is stored");
    require(passwordFile::PasswortLesen(again).password == r.password, "it reads back the same");
    return 0;
}
