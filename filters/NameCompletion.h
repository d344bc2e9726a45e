// The login's name box completes what is typed to a known name.
#pragma once

#include <QString>
#include <QStringList>

// The first listed name that begins with the typed text, ignoring case; -1
// for none, and for an empty text (which would otherwise pick the first name).
inline int CompletionIndex(const QStringList& names, const QString& typed) {
  if (typed.isEmpty()) return -1;
  for (int i = 0; i < names.size(); ++i)
    if (names[i].startsWith(typed, Qt::CaseInsensitive)) return i;
  return -1;
}
