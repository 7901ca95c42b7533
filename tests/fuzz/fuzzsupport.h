#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QString>
#include <QUrl>
#include <cstddef>
#include <cstdint>

// What every harness shares: a Qt application object whose settings and data folder lie in a
// private temporary home, and a check that turns a broken invariant into a crash the fuzzer
// keeps.
namespace FuzzSupport {

// Called once from LLVMFuzzerInitialize.
void start(int* argc, char*** argv);

// The temporary home that stands in for the user's.
QString homeFolder();

QByteArray bytes(const uint8_t* data, size_t size);
QJsonDocument json(const uint8_t* data, size_t size);

// Whether `url` names a file on the maker's server below the storage folder: same scheme,
// host and port, and a path that stays below the storage path once "." and ".." are resolved.
bool isBelowStorage(const QString& url);

[[noreturn]] void fail(const char* condition, const QString& detail, const char* file, int line);

} // namespace FuzzSupport

#define FUZZ_CHECK(condition, detail)                                                              \
    do {                                                                                           \
        if (!(condition))                                                                          \
            FuzzSupport::fail(#condition, detail, __FILE__, __LINE__);                             \
    } while (false)

#define FUZZ_HARNESS_START                                                                         \
    extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)                                   \
    {                                                                                              \
        FuzzSupport::start(argc, argv);                                                            \
        return 0;                                                                                  \
    }
