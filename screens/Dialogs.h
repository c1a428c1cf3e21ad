#pragma once

#include <QString>

class QWidget;

namespace mv {

// Every box the program shows goes through here, so tests can answer the questions
// by script and read what was shown.
class Dialogs {
public:
    enum class Icon { Information, Stop };

    virtual ~Dialogs() = default;

    // Question box: buttons "Hayır" and "Evet"; true only on "Evet".
    virtual bool ask(QWidget* parent, const QString& text, const QString& caption = QStringLiteral("UYARI")) = 0;
    // Notice box: caption "UYARI !", one button "Tamam".
    virtual void notice(QWidget* parent, const QString& text, Icon icon = Icon::Information) = 0;
    // The main window's warning dialog: caption "UYARI", stop icon, one button "OK".
    virtual void warning(QWidget* parent, const QString& text) = 0;
    // The general error message for an error that an operation did not catch. With
    // `wait` false the box is shown without waiting for the user and closes by itself,
    // so an unattended program goes on.
    virtual void error(QWidget* parent, const QString& text, bool wait = true) = 0;
};

} // namespace mv
