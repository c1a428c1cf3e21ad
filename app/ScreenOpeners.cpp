#include "app/ScreenOpeners.h"

#include "app/MainWindow.h"
#include "screens/AppContext.h"

namespace mv {

void installScreenOpeners(MainWindow& window, AppContext& ctx)
{
    Q_UNUSED(window);
    Q_UNUSED(ctx);
    // One line per window: window.setOpener("MNxx", [&window, &ctx] { ... });
}

} // namespace mv
