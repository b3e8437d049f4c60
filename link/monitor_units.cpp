#include "link/monitor_units.h"

QString StepUnitLetter(int unitCode) {
    for (const StepUnit& unit : StepUnits)
        if (unit.code == unitCode)
            return QLatin1String(unit.letter);
    return QString();
}
