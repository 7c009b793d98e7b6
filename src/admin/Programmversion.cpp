#include "admin/Programmversion.h"

QString GetAppVersion(const char* format)
{
    return QString::asprintf(format, VARNO_VERSION_MAJOR, VARNO_VERSION_MINOR, VARNO_VERSION_PATCH,
                             VARNO_VERSION_TWEAK);
}
