#pragma once

#include <QStringList>

// The maker's public keys that this build trusts (the QUILLMARK_SIGNING_KEYS build setting,
// and the demo key when QUILLMARK_DEMO_SIGNING is on); the build writes the definition.
QStringList buildKeys();
