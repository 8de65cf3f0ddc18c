// The language of the Linux window: the translation the locale environment asks for, and Qt's own
// texts (the text boxes' edit menu) in that language.
#pragma once

#include <QTranslator>
#include <memory>

namespace hexcribe::app::qt {

// Chooses the windows' language from LANGUAGE, LC_ALL, LC_MESSAGES and LANG (res::UiLanguage), and
// installs Qt's translation of its own texts for it when the system has one (qtbase_<code>.qm,
// package qt6-translations-l10n). The translator stays installed while the result lives.
std::unique_ptr<QTranslator> UseEnvironmentLanguage();

}  // namespace hexcribe::app::qt
