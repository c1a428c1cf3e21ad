#pragma once

#include <QString>

namespace mv {

// What a long operation (import, loading, clearing a scale) tells the person in
// front of the program. The main window and the screens implement it; unattended
// runs and tests use their own. Every method has a silent default.
class OperationFeedback {
public:
    virtual ~OperationFeedback() = default;

    // The text of the last operation (status panel 6 of the main window).
    virtual void setStatus(const QString& /*text*/) {}
    // The notice box: caption "UYARI !", one button "Tamam".
    virtual void notice(const QString& /*text*/) {}
    // The question box: caption "UYARI", buttons "Hayır" and "Evet"; true only on "Evet".
    virtual bool ask(const QString& /*text*/) { return false; }
    // Shows the progress gauge over 0..maximum and the wait cursor.
    virtual void beginProgress(int /*maximum*/) {}
    // Moves the gauge; the window repaints although the work goes on.
    virtual void setProgress(int /*value*/) {}
    // Hides the gauge and resets the cursor.
    virtual void endProgress() {}
};

} // namespace mv
