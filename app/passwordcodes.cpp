#include "passwordcodes.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>
#include <QTextStream>

namespace PasswordCodes {

const QString RESOURCE = QStringLiteral(":/assets/codes/codeCustomer.txt");

namespace {

// "<QMK 05.02.2024>" -> "QMK"
QString tagOf(QString header)
{
    header.remove(QLatin1Char('<')).remove(QLatin1Char('>'));
    return header.split(QLatin1Char(' ')).constFirst();
}

} // namespace

std::optional<Code> draw(const QString& resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    QTextStream stream(&file);
    const QString tag = tagOf(stream.readLine());
    QStringList lines;
    while (!stream.atEnd()) {
        const QString line = stream.readLine().trimmed();
        if (!line.isEmpty())
            lines.append(line);
    }
    if (lines.isEmpty())
        return std::nullopt;

    QRandomGenerator* random = QRandomGenerator::global();
    const quint64 product = random->generate64() * random->generate64(); // modulo 2^64
    const QStringList parts = lines.at(int(product % quint64(lines.size()))).split('*');
    if (parts.size() < 2 || parts.at(0).isEmpty() || parts.at(1).isEmpty())
        return std::nullopt;
    return Code{parts.at(0), parts.at(1), tag};
}

bool matches(const QString& customerCode, const QString& expectedDigest, const QString& salesCode)
{
    if (customerCode.isEmpty() || expectedDigest.isEmpty())
        return false;
    const QByteArray digest = QCryptographicHash::hash((customerCode + salesCode).toUtf8(),
                                                       QCryptographicHash::Keccak_512);
    return QString::fromLatin1(digest.toBase64()) == expectedDigest;
}

} // namespace PasswordCodes
