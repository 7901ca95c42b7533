#include "storagerequest.h"

#include <QByteArrayList>
#include <algorithm>

QByteArray StorageRequest::path() const
{
    const qsizetype end = target.indexOf('?');
    const QByteArray withoutQuery = end < 0 ? target : target.left(end);
    const qsizetype fragment = withoutQuery.indexOf('#');
    return fragment < 0 ? withoutQuery : withoutQuery.left(fragment);
}

namespace StorageRequestParser {
namespace {

// Index just past the blank line that ends the head, or -1 while it has not arrived.
qsizetype headEnd(const QByteArray& buffer)
{
    qsizetype lineStart = 0;
    for (qsizetype newline = buffer.indexOf('\n'); newline >= 0;
         newline = buffer.indexOf('\n', lineStart)) {
        const QByteArray line = buffer.mid(lineStart, newline - lineStart);
        if (line.isEmpty() || line == "\r")
            return newline + 1;
        lineStart = newline + 1;
    }
    return -1;
}

void dropLeadingBlankLines(QByteArray& buffer)
{
    qsizetype start = 0;
    while (start < buffer.size() && (buffer.at(start) == '\r' || buffer.at(start) == '\n'))
        ++start;
    buffer.remove(0, start);
}

QByteArrayList headLines(const QByteArray& head)
{
    QByteArrayList lines = head.split('\n');
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool isMethod(const QByteArray& method)
{
    return !method.isEmpty() && std::all_of(method.begin(), method.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-';
    });
}

bool isTarget(const QByteArray& target)
{
    return target.startsWith('/') && std::none_of(target.begin(), target.end(), [](char c) {
               const auto byte = static_cast<unsigned char>(c);
               return byte <= 0x20 || byte == 0x7f;
           });
}

// "http://host:port/path" -> "/path": HTTP/1.1 servers accept the absolute form too.
QByteArray originForm(const QByteArray& target)
{
    const QByteArray scheme = "http://";
    if (target.left(scheme.size()).toLower() != scheme)
        return target;
    const qsizetype pathStart = target.indexOf('/', scheme.size());
    return pathStart < 0 ? QByteArray("/") : target.mid(pathStart);
}

bool parseRequestLine(const QByteArray& line, StorageRequest& request, bool& http11)
{
    QByteArrayList parts = line.split(' ');
    if (parts.size() != 3)
        return false;
    parts[1] = originForm(parts.at(1));
    if (!isMethod(parts.at(0)) || !isTarget(parts.at(1)))
        return false;
    if (parts.at(2) != "HTTP/1.1" && parts.at(2) != "HTTP/1.0")
        return false;
    request.method = parts.at(0);
    request.target = parts.at(1);
    http11 = parts.at(2) == "HTTP/1.1";
    return true;
}

QByteArrayList connectionOptions(const QByteArray& value)
{
    QByteArrayList options;
    for (const QByteArray& option : value.split(','))
        options.append(option.trimmed().toLower());
    return options;
}

bool isDecimal(const QByteArray& value)
{
    return !value.isEmpty() &&
           std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Reads the headers that matter here; false for a line that is not a header.
bool parseHeaders(const QByteArrayList& lines, StorageRequest& request, bool http11)
{
    QByteArrayList options;
    for (const QByteArray& line : lines) {
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0 || line.at(0) == ' ' || line.at(0) == '\t')
            return false;
        const QByteArray name = line.left(colon).toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (name == "connection") {
            options += connectionOptions(value);
        } else if (name == "content-length") {
            if (!isDecimal(value))
                return false;
            request.hasBody = request.hasBody || std::any_of(value.begin(), value.end(),
                                                             [](char c) { return c != '0'; });
        } else if (name == "transfer-encoding") {
            request.hasBody = true;
        }
    }
    request.keepAlive = http11 ? !options.contains("close") : options.contains("keep-alive");
    return true;
}

} // namespace

Result take(QByteArray& buffer, StorageRequest& request)
{
    dropLeadingBlankLines(buffer);
    const qsizetype end = headEnd(buffer);
    if (end < 0)
        return buffer.size() > MAX_HEAD_SIZE ? Result::Malformed : Result::Incomplete;
    if (end > MAX_HEAD_SIZE)
        return Result::Malformed;

    QByteArrayList lines = headLines(buffer.left(end));
    StorageRequest parsed;
    bool http11 = true;
    if (lines.isEmpty() || !parseRequestLine(lines.takeFirst(), parsed, http11) ||
        !parseHeaders(lines, parsed, http11))
        return Result::Malformed;

    buffer.remove(0, end);
    request = parsed;
    return Result::Complete;
}

} // namespace StorageRequestParser
