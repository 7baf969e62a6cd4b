#pragma once
// A reader of the INI files QSettings writes (the desktop application's
// preferences on Linux), without Qt: "[SECTION]" lines, "KEY=VALUE" lines,
// comment lines starting with ';' or '#'.
// - Section and key names: "%XX" and "%UXXXX" stand for the characters Qt
//   escapes; a '\' in a key is the '/' of a group path.
// - Values: blanks around them are dropped; double quotes keep blanks, ',' and
//   ';' (outside quotes ';' starts a comment); the escapes \a \b \f \n \r \t
//   \v \" \' \? \\, \xHH (hex) and \0NN (octal); a '\' at the line's end
//   goes on with the next line. Texts are UTF-8. A leading "@@" stands for
//   '@', "@ByteArray(...)" for its bytes; any other "@..." value (a variant Qt
//   wrote) and a list (cells split by unquoted commas) read as an empty text,
//   as QSettings' toString() gives them.
#include <map>
#include <string>
#include <string_view>

namespace tk48::cli {

// "SECTION/KEY" -> the value's text; the keys of "[General]" (and of no
// section) without "SECTION/". A key given twice keeps its last value.
using IniValues = std::map<std::string, std::string>;
IniValues ParseQtIni(std::string_view text);

}  // namespace tk48::cli
