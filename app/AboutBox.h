#pragma once

#include <QDialog>

namespace mv {

// "Hakkında": the program's name, version and a short notice.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};

} // namespace mv
