// The About box, built from its template; Enter and Escape close it as usual.
#pragma once

#include <QWidget>

namespace hexcribe::app::qt {

// Shows the About box modally over parent and returns when it has closed.
void ShowAboutBox(QWidget* parent);

}  // namespace hexcribe::app::qt
