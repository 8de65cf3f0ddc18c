// The clipboard through Qt: the command as plain text, without a terminating zero, and the
// clipboard's text read back.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QString>

#include "platform/platform.h"

namespace hexcribe::platform {

// This platform's 8-bit text is UTF-8; the command is ASCII, so this copies it.
std::string ToClipboardBytes(std::u16string_view text) {
  const QByteArray bytes = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())).toUtf8();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// The bytes are the text itself: a zero byte marks the end of the text only on
// Windows, and here it would be pasted as a character.
bool PutTextOnClipboard(std::string_view bytes) {
  if (QGuiApplication::instance() == nullptr) return false;
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return false;
  clipboard->clear(QClipboard::Clipboard);
  if (bytes.empty()) return true;
  auto* data = new QMimeData;
  data->setText(QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())));
  clipboard->setMimeData(data, QClipboard::Clipboard);  // the clipboard owns data from here on
  return true;
}

std::optional<std::u16string> ReadTextFromClipboard() {
  if (QGuiApplication::instance() == nullptr) return std::nullopt;
  const QClipboard* clipboard = QGuiApplication::clipboard();
  const QMimeData* data = clipboard != nullptr ? clipboard->mimeData(QClipboard::Clipboard) : nullptr;
  if (data == nullptr || !data->hasText()) return std::nullopt;
  return data->text().toStdU16String();
}

}  // namespace hexcribe::platform
