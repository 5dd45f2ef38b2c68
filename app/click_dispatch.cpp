#include "app/click_dispatch.h"

#include "app/message_box.h"
#include "host/runtime_error.h"

#include <QAbstractButton>

#include <utility>

namespace vondrel::host {

void ConnectClick(QAbstractButton& button, std::function<void()> handler)
{
    QObject::connect(&button, &QAbstractButton::clicked, &button,
                     [&button, handler = std::move(handler)] {
                         try {
                             handler();
                         } catch (const RuntimeError& error) {
                             ReportRuntimeError(button.window(), error);
                         }
                     });
}

}  // namespace vondrel::host
