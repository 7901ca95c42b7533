#pragma once

#include <QtCore/qglobal.h>

#if defined(QUILLMARK_SDK_LIBRARY)
#define QUILLMARK_SDK_EXPORT Q_DECL_EXPORT
#else
#define QUILLMARK_SDK_EXPORT Q_DECL_IMPORT
#endif
