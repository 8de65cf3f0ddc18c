// Installed font faces through Qt's font database (fontconfig underneath).
#include "platform/qt/font_faces_qt.h"

#include <fontconfig/fontconfig.h>

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <memory>

#include "platform/platform.h"

namespace hexcribe::platform {

namespace {

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
struct ObjectSetDeleter {
  void operator()(FcObjectSet* s) const { FcObjectSetDestroy(s); }
};
struct FontSetDeleter {
  void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};

// The font database needs a running QGuiApplication; without one the
// services answer as if nothing were installed instead of aborting.
bool FontDatabaseAvailable() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

// The family part of "Family [Foundry]", or the whole name.
QString FamilyPart(const QString& name) {
  if (!name.endsWith(u']')) return name;
  const qsizetype open = name.lastIndexOf(QStringLiteral(" ["));
  return open > 0 ? name.left(open) : name;
}

// The installed families without generic aliases. Asking the font database and
// fontconfig costs a few milliseconds (much more with thousands of fonts), and
// start-up needs the list twice (the Font list and the saved face's listed
// name), so it is built once per process; the Font list is filled only once
// per run anyway.
const QStringList& NonGenericFamilies() {
  static const QStringList families = DropGenericAliases(QFontDatabase::families(), FontconfigFamilyNames());
  return families;
}

}  // namespace

QSet<QString> FontconfigFamilyNames() {
  QSet<QString> names;
  std::unique_ptr<FcPattern, PatternDeleter> pattern(FcPatternCreate());
  std::unique_ptr<FcObjectSet, ObjectSetDeleter> objects(FcObjectSetBuild(FC_FAMILY, static_cast<char*>(nullptr)));
  if (!pattern || !objects) return names;
  std::unique_ptr<FcFontSet, FontSetDeleter> fonts(FcFontList(nullptr, pattern.get(), objects.get()));
  if (!fonts) return names;
  for (int i = 0; i < fonts->nfont; ++i) {
    // A font carries one family name per language (e.g. "NanumGothic" and "나눔고딕").
    FcChar8* value = nullptr;
    for (int k = 0; FcPatternGetString(fonts->fonts[i], FC_FAMILY, k, &value) == FcResultMatch; ++k) {
      names.insert(QString::fromUtf8(reinterpret_cast<const char*>(value)));
    }
  }
  return names;
}

QStringList DropGenericAliases(const QStringList& families, const QSet<QString>& realFamilies) {
  static const QSet<QString> knownAliases = {QStringLiteral("Serif"), QStringLiteral("Sans Serif"),
                                             QStringLiteral("Monospace")};
  QStringList kept;
  for (const QString& family : families) {
    const bool real = realFamilies.isEmpty() ? !knownAliases.contains(family)
                                             : realFamilies.contains(family) || realFamilies.contains(FamilyPart(family));
    if (real) kept.append(family);
  }
  return kept;
}

QStringList GenericAliasesInFontDatabase() {
  if (!FontDatabaseAvailable()) return {};
  const QStringList all = QFontDatabase::families();
  const QStringList kept = NonGenericFamilies();
  QStringList dropped;
  for (const QString& family : all) {
    if (!kept.contains(family)) dropped.append(family);
  }
  return dropped;
}

std::vector<std::u16string> EnumerateRawFontFaces() {
  std::vector<std::u16string> faces;
  if (!FontDatabaseAvailable()) return faces;
  const QStringList families = NonGenericFamilies();
  faces.reserve(static_cast<std::size_t>(families.size()));
  // One entry per family: the font database lists a family shipped by several
  // foundries as "Family [Foundry]" once per foundry, and the face list drops
  // the repeats. The plain family name selects the family's best match.
  for (const QString& family : families) faces.push_back(FamilyPart(family).toStdU16String());
  return faces;
}

std::u16string CanonicalFaceName(const std::u16string& name) {
  // Empty stays empty: Qt would resolve it to the first family it knows.
  if (name.empty() || !FontDatabaseAvailable()) return name;
  const QString requested = QString::fromStdU16String(name);
  QSet<QString> listed;
  for (const QString& family : NonGenericFamilies()) listed.insert(FamilyPart(family));
  // "Family [Foundry]" (as earlier versions saved it) is listed as its family.
  if (listed.contains(FamilyPart(requested)) && QFontDatabase::hasFamily(requested)) {
    return FamilyPart(requested).toStdU16String();
  }
  // hasFamily knows the other-language names of installed fonts; a name it
  // does not know stays as it is rather than becoming some substitute face.
  if (!QFontDatabase::hasFamily(requested)) return name;
  QFont font;
  font.setFamilies({requested});
  const QString resolved = FamilyPart(QFontInfo(font).family());
  return listed.contains(resolved) ? resolved.toStdU16String() : name;
}

std::u16string FaceShownForDefault(const std::u16string& face) {
  if (!FontDatabaseAvailable()) return face;
  QSet<QString> listed;
  for (const QString& family : NonGenericFamilies()) listed.insert(FamilyPart(family));
  const QString requested = QString::fromStdU16String(face);
  if (listed.contains(requested)) return face;
  // Not installed: the desktop's sans-serif face stands in (left to itself the
  // font database would take whatever face comes first, even a symbol face).
  QFont font;
  font.setFamilies({requested, QStringLiteral("Sans Serif")});
  const QString resolved = FamilyPart(QFontInfo(font).family());
  return listed.contains(resolved) ? resolved.toStdU16String() : face;
}

}  // namespace hexcribe::platform
