// Installed font faces through Qt's font database (fontconfig underneath).
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace hexcribe::platform {

// Every family name, in every language, of every font fontconfig has
// installed; empty when fontconfig cannot be asked.
QSet<QString> FontconfigFamilyNames();

// Qt's families without the generic aliases it adds itself ("Serif", "Sans
// Serif", "Monospace"): a family stays when it names an installed font, alone
// or as "Family [Foundry]". Without fontconfig's names (empty realFamilies) only
// those three known aliases are dropped.
QStringList DropGenericAliases(const QStringList& families, const QSet<QString>& realFamilies);

// The names DropGenericAliases removes from Qt's current family list.
QStringList GenericAliasesInFontDatabase();

}  // namespace hexcribe::platform
