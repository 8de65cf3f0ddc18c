// The About box of the main window.
#include "app/qt/about_box.h"

#include <QDialog>
#include <QPushButton>

#include "app/qt/template_builder.h"
#include "res/dialog_templates.h"
#include "res/localized_dialogs.h"

namespace hexcribe::app::qt {

void ShowAboutBox(QWidget* parent) {
  const res::DialogTemplate& about = res::AboutBoxTemplate();
  QDialog box(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint);
  box.setObjectName(QStringLiteral("aboutBox"));
  box.setWindowTitle(ToQString(about.caption));
  const BuiltDialog built = BuildDialog(box, about);
  if (auto it = built.controls.find(IDOK); it != built.controls.end()) {
    auto* ok = static_cast<QPushButton*>(it->second);
    QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
    ok->setFocus();
  }
  box.exec();
}

}  // namespace hexcribe::app::qt
