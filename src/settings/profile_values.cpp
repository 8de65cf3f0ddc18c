// Reading and writing one settings value, with its default and optional hex encoding.
#include "settings/profile_values.h"

#include "core/stored_text_codec.h"
#include "platform/platform.h"
#include "settings/file_probes.h"

namespace hexcribe {

namespace {
constexpr std::size_t kDefaultCapacity = 2000;
}

std::u16string ReadProfileValue(const std::u16string& section, const std::u16string& key,
                                const std::u16string& defaultValue, std::size_t size, StoredForm form,
                                const std::u16string& file) {
  const bool hex = form == StoredForm::kHex;
  const std::u16string def = hex ? EncodeStoredText(defaultValue) : defaultValue;
  const std::size_t capacity = size == 0 ? kDefaultCapacity : size;
  // Reading never creates the file.
  if (!PathExists(file)) return def;
  std::u16string value = platform::GetProfileString(section, key, def, capacity, file);
  // A missing key with an empty default gains an empty "key=" line, so the
  // file shows which settings exist.
  if (value.empty() && def.empty()) {
    if (!platform::WriteProfileString(section, key, u"", file)) return {};
  }
  return hex ? DecodeStoredText(value) : value;
}

bool WriteProfileValue(const std::u16string& section, const std::u16string& key, const std::u16string& value,
                       StoredForm form, const std::u16string& file) {
  // CreateEmptyFile never truncates: when the file exists but cannot be read,
  // this fails and the write below is never attempted.
  if (!PathExists(file) && !CreateEmptyFile(file)) return false;
  return platform::WriteProfileString(section, key, form == StoredForm::kHex ? EncodeStoredText(value) : value, file);
}

}  // namespace hexcribe
