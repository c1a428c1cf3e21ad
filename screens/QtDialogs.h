#pragma once

#include "screens/Dialogs.h"

namespace mv {

// The boxes as the user sees them.
class QtDialogs : public Dialogs {
public:
    bool ask(QWidget* parent, const QString& text, const QString& caption) override;
    void notice(QWidget* parent, const QString& text, Icon icon) override;
    void warning(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text, bool wait) override;

    // How long an error shown without waiting stays on screen.
    static constexpr int UnattendedErrorMs = 60000;
};

// Box texts join their lines with a carriage return; the screen wants line feeds.
QString boxText(const QString& text);

} // namespace mv
