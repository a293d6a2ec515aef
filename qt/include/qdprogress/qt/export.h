// Symbol visibility of the widget library: only what is marked here is exported.
#pragma once

#include <QtCore/qglobal.h>

#if defined(QD_QT_BUILDING)
#define QD_QT_EXPORT Q_DECL_EXPORT
#else
#define QD_QT_EXPORT Q_DECL_IMPORT
#endif
