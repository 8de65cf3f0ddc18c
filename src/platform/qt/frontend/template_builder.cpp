// Widgets from a dialog template.
#include "platform/qt/frontend/template_builder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "res/window_styles.h"

namespace hexcribe::platform::qt {
namespace {

QWidget* MakeStatic(QWidget& parent, const res::ControlTemplate& control) {
  auto* label = new QLabel(&parent);
  if ((control.style & 0x1Fu) == res::kSsIcon) {
    label->setPixmap(ProgramIcon().pixmap(32, 32));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
  }
  // A lone carriage return breaks the line in a static control.
  QString text = ToQString(control.text);
  text.replace(QChar(u'\r'), QChar(u'\n'));
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QWidget* MakeButton(QWidget& parent, const res::ControlTemplate& control) {
  const std::uint32_t type = control.style & res::kBsTypeMask;
  if (type == res::kBsAutoCheckBox) {
    auto* check = new QCheckBox(ToQString(control.text), &parent);
    return check;
  }
  auto* button = new QPushButton(ToQString(control.text), &parent);
  button->setAutoDefault(false);
  button->setDefault(type == res::kBsDefPushButton);
  return button;
}

QWidget* MakeEdit(QWidget& parent, const res::ControlTemplate& control) {
  auto* edit = new QPlainTextEdit(&parent);
  edit->setTabChangesFocus(true);  // Tab moves the focus, as in a dialog
  edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  edit->setVerticalScrollBarPolicy((control.style & res::kWsVScroll) ? Qt::ScrollBarAlwaysOn
                                                                       : Qt::ScrollBarAlwaysOff);
  edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit->setReadOnly((control.style & res::kEsReadOnly) != 0);
  if (!(control.style & res::kWsBorder)) edit->setFrameShape(QFrame::NoFrame);
  return edit;
}

QWidget* MakeCombo(QWidget& parent, const res::ControlTemplate&) {
  auto* combo = new QComboBox(&parent);
  combo->setEditable(false);
  combo->setInsertPolicy(QComboBox::NoInsert);
  return combo;
}

}  // namespace

QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::u16string ToU16(const QString& text) { return text.toStdU16String(); }

QIcon ProgramIcon() {
  QIcon icon;
  icon.addFile(QStringLiteral(":/hexcribe/hexcribe-16.png"), QSize(16, 16));
  icon.addFile(QStringLiteral(":/hexcribe/hexcribe-32.png"), QSize(32, 32));
  return icon;
}

BuiltDialog BuildDialog(QWidget& dialog, const res::DialogTemplate& dialogTemplate) {
  BuiltDialog built;
  built.font = DialogFont(ToQString(dialogTemplate.fontFace), dialogTemplate.pointSize);
  built.units = BaseUnitsOf(built.font);
  dialog.setFont(built.font);
  const QRect client = DialogRectToPixels(built.units, 0, 0, dialogTemplate.width, dialogTemplate.height);
  built.clientSize = client.size();
  dialog.setFixedSize(built.clientSize);

  for (const res::ControlTemplate& control : dialogTemplate.controls) {
    QWidget* widget = nullptr;
    switch (control.controlClass) {
      case res::ControlClass::kStatic: widget = MakeStatic(dialog, control); break;
      case res::ControlClass::kButton: widget = MakeButton(dialog, control); break;
      case res::ControlClass::kEdit: widget = MakeEdit(dialog, control); break;
      case res::ControlClass::kComboBox: widget = MakeCombo(dialog, control); break;
    }
    widget->setFont(built.font);
    QRect rect = DialogRectToPixels(built.units, control.x, control.y, control.width, control.height);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      // The template gives the dropped-down list's height; the closed box is
      // as high as its font needs, and the list shows as many items as fit.
      const int boxHeight = combo->sizeHint().height();
      const int itemHeight = QFontMetrics(built.font).height() + 2;
      combo->setMaxVisibleItems(std::max(1, (rect.height() - boxHeight) / std::max(1, itemHeight)));
      rect.setHeight(boxHeight);
    }
    widget->setGeometry(rect);
    widget->setFocusPolicy((control.style & res::kWsTabStop) ? Qt::StrongFocus
                           : control.controlClass == res::ControlClass::kStatic ? Qt::NoFocus
                                                                                 : Qt::ClickFocus);
    if (control.id != IDC_STATIC) built.controls[control.id] = widget;
    if (control.style & res::kWsTabStop) built.tabStops.push_back(widget);
  }
  for (const res::InitialItems& data : dialogTemplate.initialData) {
    auto it = built.controls.find(data.controlId);
    if (it == built.controls.end()) continue;
    if (auto* combo = qobject_cast<QComboBox*>(it->second)) {
      for (std::u16string_view item : data.items) combo->addItem(ToQString(item));
      combo->setCurrentIndex(-1);  // a list starts without selection
    }
  }
  for (std::size_t i = 1; i < built.tabStops.size(); ++i) {
    QWidget::setTabOrder(built.tabStops[i - 1], built.tabStops[i]);
  }
  return built;
}

}  // namespace hexcribe::platform::qt
