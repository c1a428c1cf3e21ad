#pragma once

namespace mv {

// Manual: started from the product list, asks first, takes the shelf life from the
// template and relists after every row. Automatic: step one of the automatic cycle,
// takes the shelf life from the general settings.
enum class ImportMode { Manual, Automatic };

} // namespace mv
