// An info file on disk, read while the catalogue is matched against the installed plug-ins.
// The input's first line is the file name, the rest its content. Whatever the file says, the
// version the product ends up with must again make a plain info file name, since deleting the
// plug-in builds that name from it.
#include "catalogueentry.h"
#include "fuzzsupport.h"
#include "infofileindex.h"
#include "installationcheck.h"
#include "namecheck.h"
#include "product.h"
#include "storagelayout.h"

#include <QDir>
#include <QFile>

FUZZ_HARNESS_START

namespace {

const CatalogueEntry ENTRY{QStringLiteral("7"), QStringLiteral("Vent"), QStringLiteral("2.0.0"),
                           QStringLiteral("release"), QStringLiteral("01.02.2024")};

QString infosFolder()
{
    static const QString folder = FuzzSupport::homeFolder() + QStringLiteral("/infos/");
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = FuzzSupport::bytes(data, size);
    const qsizetype lineEnd = input.indexOf('\n');
    QString fileName = QString::fromUtf8(input.left(lineEnd < 0 ? 0 : lineEnd));
    if (!NameCheck::isPlainFileName(fileName) || !fileName.contains(QStringLiteral(".info")))
        fileName = QStringLiteral("Vent_2_0_0_release.info");

    QDir(infosFolder()).removeRecursively();
    QDir().mkpath(infosFolder());
    QFile file(infosFolder() + fileName);
    if (!file.open(QIODevice::WriteOnly))
        return 0;
    file.write(input.mid(lineEnd + 1));
    file.close();

    for (const Product::ReleaseState channel : {Product::RELEASE, Product::DEV}) {
        const InfoFileIndex index = InfoFileIndex::read(infosFolder());
        Product product;
        product.setInstalledVersion(ENTRY.version);
        product.setReleaseState(ENTRY.state);
        InstallationCheck::applyInstalledFile(ENTRY, index, channel, product);
        InstallationCheck::applyOlderFiles(ENTRY, index, product);
        const QString version = product.installedVersion();
        FUZZ_CHECK(NameCheck::isVersionName(version), version);
        const QString deletedName = StorageLayout::infoFileName(
            ENTRY.name, version, Product::stateWord(product.releaseState()));
        FUZZ_CHECK(NameCheck::isPlainFileName(deletedName), deletedName);
    }
    return 0;
}
