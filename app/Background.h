#pragma once

#include <QPixmap>

namespace mv {

// The picture behind the child windows of the main window.
QPixmap backgroundPicture(const QSize& size);

} // namespace mv
