// Conversions between the layer's types and Qt's; used inside the layer only.
#pragma once

#include "graphics.h"
#include "types.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string>

QColor ToQColor(TColor c);
QFont ToQFont(const TFont& f);
inline QString ToQString(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string ToStdString(const QString& s) { return s.toStdString(); }
inline QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }
// The family that stands in for a classic Windows font name on this system.
QString FontFamilyFor(const std::string& name);
