#pragma once
// Conversion between UTF-16 and the single-byte Windows-1252 code page in
// which the component keeps and writes its texts.

#include "platform/component_types.h"

#include <QByteArray>
#include <QString>

namespace quarnel {

// One byte per code point; a code point the code page cannot show becomes
// "?" (a surrogate pair counts as one code point, a lone surrogate too).
// A null string is empty.
QByteArray To_Ansi(platform::component::BStr text);
QByteArray To_Ansi(const QString& text);

// Every byte to its code point; the five bytes the code page leaves
// undefined map to the control characters of the same value.
QString From_Ansi(const QByteArray& bytes);

} // namespace quarnel
