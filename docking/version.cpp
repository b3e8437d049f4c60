#include "docking/dockable_export.h"

namespace dockable {
DOCKABLE_EXPORT const char* Version() {
    return "1.0.0";
}
} // namespace dockable
