#include "data/files/table_title.h"

#include "core/language.h"
#include "text/blank_trim.h"

QStringList TableTitleLines(const DataSet& data) {
    const QString colon = QStringLiteral(": ");
    return {ResString(3016), ResString(3017) + colon + TrimBlanks(data.IDShort),
            ResString(3018) + colon + TrimBlanks(data.IDLong),
            ResString(3019) + colon + data.DataSourceName};
}
