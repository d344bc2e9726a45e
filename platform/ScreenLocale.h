// Numbers and dates on screen in the form of the language the windows speak:
// the decimal comma and the day before the month where it uses them. English
// keeps the program's own forms, and the data files never change.
#pragma once

#include <QLocale>
#include <QRegularExpression>
#include <QString>

inline QLocale& ScreenLocaleStorage() {
  static QLocale locale = QLocale::c();
  return locale;
}
// The language's locale; the C locale for English.
inline QLocale ScreenLocale() { return ScreenLocaleStorage(); }
inline void SetScreenLocale(const QLocale& locale) { ScreenLocaleStorage() = locale; }

// A text the program made with a full stop between digits, with the
// language's decimal sign instead.
inline QString ShownNumbers(QString text) {
  const QString point = ScreenLocale().decimalPoint();
  if (point == QStringLiteral(".")) return text;
  static const QRegularExpression decimal(QStringLiteral("(\\d)\\.(\\d)"));
  return text.replace(decimal, QStringLiteral("\\1") + point + QStringLiteral("\\2"));
}

// A date in eight characters as the language writes it short ("12.08.26",
// "12/08/26"); English keeps "08/12/26".
inline QString ShownShortDate(int year, int month, int day) {
  QString format = ScreenLocale().dateFormat(QLocale::ShortFormat);
  if (ScreenLocale() == QLocale::c()) format = QStringLiteral("MM/dd/yy");
  static const QRegularExpression days(QStringLiteral("d+")), months(QStringLiteral("M+")), years(QStringLiteral("y+"));
  format.replace(days, QStringLiteral("dd")).replace(months, QStringLiteral("MM")).replace(years, QStringLiteral("yy"));
  QString text = format;
  text.replace(QStringLiteral("dd"), QStringLiteral("%1")).replace(QStringLiteral("MM"), QStringLiteral("%2")).replace(QStringLiteral("yy"), QStringLiteral("%3"));
  return text.arg(day, 2, 10, QLatin1Char('0')).arg(month, 2, 10, QLatin1Char('0')).arg(year % 100, 2, 10, QLatin1Char('0'));
}
