#pragma once

#include <QString>
#include <QStringList>

namespace mv {

// Fills a program folder with a small shop: products, three scales on loopback
// addresses, label messages, a free-format template and an external data file.
// An existing catalogue is left alone (nothing is added twice).
QStringList addDemoCatalogue(const QString& folder, const QStringList& scaleIps);

} // namespace mv
