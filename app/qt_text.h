#pragma once
// String-table texts and record texts as Qt strings.
#include <QString>
#include <string>
#include <string_view>

#include "resources/strings.h"

namespace tk48 {

inline QString QUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
inline std::string StdUtf8(const QString& text) { return text.toUtf8().toStdString(); }

// The string-table entry `id`.
inline QString Text(int id) { return QUtf8(LoadText(id)); }

}  // namespace tk48
