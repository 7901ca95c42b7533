#include <QtGlobal>

// A shared library that exports something, but no getPlugin: what an unrelated or broken file
// in the libraries folder looks like. A library of its own, since loading a second copy of one
// already in the process defines its globals twice.
extern "C" Q_DECL_EXPORT int quillmarkLibraryWithoutPlugin()
{
    return 0;
}
