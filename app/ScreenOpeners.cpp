#include "app/ScreenOpeners.h"

#include "app/MainWindow.h"
#include "screens/AppContext.h"
#include "screens/ScaleListScreen.h"

namespace mv {

void installScreenOpeners(MainWindow& window, AppContext& ctx)
{
    Q_UNUSED(window);
    Q_UNUSED(ctx);
    // One line per window: window.setOpener("MNxx", [&window, &ctx] { ... });
    window.setOpener(QStringLiteral("MN25"), [&window, &ctx] { ScaleListScreen screen(ctx, &window); screen.list(); screen.exec(); });
}

} // namespace mv
