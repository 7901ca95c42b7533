#pragma once

#include <QByteArray>
#include <curl/curl.h>

// The certificate authorities every TLS connection of the process checks servers against: the
// system's, where libcurl was built to find them, and the extra authority file when one is
// set. Reading the system's bundle costs more than a whole batch of small downloads, so the
// store is built once per extra file and shared by all connections, instead of libcurl
// reading it again for each.
namespace TrustedAuthorities {
// Makes the transfer use the shared store; `extraCaFile` must outlive the transfer.
void use(CURL* easy, const QByteArray& extraCaFile);
} // namespace TrustedAuthorities
