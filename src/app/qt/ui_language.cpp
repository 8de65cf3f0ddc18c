// The language of the Linux window and Qt's own texts in it.
#include "app/qt/ui_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>

#include "platform/linux/process_locale.h"
#include "res/language_choice.h"

namespace hexcribe::app::qt {

std::unique_ptr<QTranslator> UseEnvironmentLanguage() {
  const res::Translation* language = res::ChooseTranslation(platform::posix::ProcessLocaleEnvironment());
  res::SetUiLanguage(language);
  if (language == nullptr) return nullptr;
  auto translator = std::make_unique<QTranslator>();
  const QString name = QStringLiteral("qtbase_") + QString::fromUtf8(language->code.data(), language->code.size());
  // Without the system's file Qt's own menu entries stay English; the program's texts do not need it.
  if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return nullptr;
  QCoreApplication::installTranslator(translator.get());
  return translator;
}

}  // namespace hexcribe::app::qt
