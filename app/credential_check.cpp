#include "app/credential_check.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <memory>

#include "model/defaults.h"
#include "model/schema.h"

namespace tk48 {
namespace {

const SettingData& Factory() {
  static const std::unique_ptr<SettingData> record = [] {
    auto r = NewSettingData();
    ApplyDefaults(*r);
    return r;
  }();
  return *record;
}

std::int32_t UseKeyword() {
  const auto& words = schema::NoUseUse();
  return static_cast<std::int32_t>(std::find(words.begin(), words.end(), "USE") - words.begin());
}

// Byte for byte up to and including the terminating NUL.
template <std::size_t N>
bool SameText(const char (&a)[N], const char (&b)[N]) {
  return std::strncmp(a, b, N) == 0;
}

template <std::size_t N>
bool Weak(const char (&login)[N], const char (&password)[N], const char (&factoryLogin)[N],
          const char (&factoryPassword)[N]) {
  return login[0] == '\0' || password[0] == '\0' ||
         (SameText(login, factoryLogin) && SameText(password, factoryPassword));
}

}  // namespace

CredentialFlags CheckCredentials(const SettingData& record) {
  const SettingData& factory = Factory();
  const std::int32_t use = UseKeyword();
  CredentialFlags flags;
  for (std::size_t i = 0; i < std::size(record.COM.WEB.AUTH) && !flags.web; ++i) {
    const auto& a = record.COM.WEB.AUTH[i];
    const auto& f = factory.COM.WEB.AUTH[i];
    flags.web = a.MODE == use && Weak(a.LOGIN, a.PASSWORD, f.LOGIN, f.PASSWORD);
  }
  const auto& ftp = record.COM.FTP;
  flags.ftp = ftp.MODE == use && Weak(ftp.ID, ftp.PASSWORD, factory.COM.FTP.ID, factory.COM.FTP.PASSWORD);
  return flags;
}

}  // namespace tk48
