#include "screens/screen.h"

#include "platform/qt/qt_platform.h"

namespace tavolora::screens {

namespace {
void run(const ScreenContext& context, table::HandlerKind kind, const std::function<void()>& handler) {
    bool ran = false;
    platform::qt::guarded([&] { ran = context.input.run(kind, handler); });
    if (ran && context.refresh) context.refresh();
}
}  // namespace

void ScreenContext::play(const std::function<void()>& handler) const {
    run(*this, table::HandlerKind::Play, handler);
}

void ScreenContext::touch(const std::function<void()>& handler) const {
    run(*this, table::HandlerKind::Reentrant, handler);
}

}  // namespace tavolora::screens
