#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QToolButton;

namespace mv {

// The automatic panel at the bottom of the main window: the switch, the countdown
// and the progress gauge.
class AutoPanel : public QWidget {
    Q_OBJECT
public:
    explicit AutoPanel(QWidget* parent = nullptr);

    QToolButton* switchButton() const { return m_switch; }
    QLabel* countdown() const { return m_countdown; }
    QProgressBar* gauge() const { return m_gauge; }

    enum class DigitColour { Black, White, Silver };
    void setDigitColour(DigitColour colour);
    DigitColour digitColour() const { return m_colour; }

Q_SIGNALS:
    void countdownDoubleClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* m_switch;
    QLabel* m_countdown;
    QProgressBar* m_gauge;
    DigitColour m_colour = DigitColour::White;
};

} // namespace mv
