#pragma once

namespace mv {

class MainWindow;
struct AppContext;

// Binds the tool bar buttons and menu entries of the main window to the windows they open.
void installScreenOpeners(MainWindow& window, AppContext& ctx);

} // namespace mv
