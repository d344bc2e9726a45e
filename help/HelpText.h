// Text from outside the program (readme.txt, device descriptions) made ready
// to show: decoded without replacement characters and split into lines.
#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

// Strict UTF-8 (no overlong forms, surrogates or values past U+10FFFF); an
// empty text is valid.
bool IsValidUtf8(std::string_view bytes);

// UTF-8 when the bytes are valid UTF-8 (a leading byte-order mark dropped),
// else byte for byte as Windows-1252, the single-byte text older files were
// written in. Never yields U+FFFD: the five bytes that Windows-1252 leaves
// undefined keep their own values, as Windows itself maps them.
QString DecodeText(std::string_view bytes);

// The lines of a text broken at CR LF, LF or CR. A break at the very end
// starts no further line; an empty text has no lines.
QStringList SplitLines(const QString& text);
