#pragma once

class QString;
class QWidget;

namespace vondrel::host {

// Has a screen reader speak the message at once, wherever the focus is: news
// that appears away from the focus, such as a result in a box the user is
// not on. Nothing shows on the screen.
void Announce(QWidget& window, const QString& message);

}  // namespace vondrel::host
