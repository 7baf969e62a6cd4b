#pragma once
// Texts between the string table, the record and the screen. Record texts are
// UTF-8; the screen holds UTF-16, which is also what the checks test.
#include <QString>
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "model/text_codec.h"
#include "resources/strings.h"

namespace tk48 {

inline QString QUtf8Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// String-table entry `id`.
inline QString Tx(int id) { return QUtf8Text(LoadText(id)); }

// The screen text as the checks see it: UTF-16 units, untouched.
inline std::u16string_view Units(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.constData()), static_cast<std::size_t>(text.size())};
}

// A multi-line field shows each line break as one LF; the record and the
// checks count it as the file stores it, CR LF.
inline QString WithCrLf(QString shown) { return shown.replace(u'\n', QStringLiteral("\r\n")); }
inline QString WithLf(QString stored) {
  return stored.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

// A time as lists show it, "%d:%02d": "7:05", "24:00".
inline QString HourMinuteText(int hour, int minute) {
  return QStringLiteral("%1:%2").arg(hour).arg(minute, 2, 10, QChar(u'0'));
}

// A record text field decoded for the screen.
template <std::size_t N>
QString FromRecord(const char (&field)[N]) {
  return QString::fromStdU16String(Utf8ToUtf16(std::string_view(field, ::strnlen(field, N))));
}

// The screen text encoded into a record text field: at most N - 1 bytes (the
// checks have made sure it fits; a cut never splits a character), the rest zero.
template <std::size_t N>
void ToRecord(char (&field)[N], const QString& text) {
  const std::string utf8 = Utf16ToUtf8(Units(text));
  const std::size_t n = WholeCharacterCut(utf8, N - 1);
  std::memset(field, 0, N);
  std::memcpy(field, utf8.data(), n);
}

}  // namespace tk48
