#pragma once

#include <QString>

// Libraries of deleted plug-ins stay on disk while the process may have them loaded; they
// are recorded in the settings group "pluginToDelete" and removed by the next sweep, at
// quit or at the next start.
namespace PendingDeletions {

// Records `libraryPath` for removal under its file name `libraryFileName`.
void schedule(const QString& libraryFileName, const QString& libraryPath);

// Forgets the record of `libraryFileName`, so that a freshly installed library of the same
// name is never swept away.
void cancel(const QString& libraryFileName);

// Removes every recorded file that exists and can be removed, and forgets its record.
// A record whose file no longer exists is forgotten too; one whose file cannot be removed
// stays for the next sweep. A record naming anything outside the libraries folder is
// forgotten with a diagnostic line and its file is left alone.
void sweep();

} // namespace PendingDeletions
