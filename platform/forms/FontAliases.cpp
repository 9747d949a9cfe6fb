#include "platform/forms/FontAliases.h"

#include <QFile>

#include <fontconfig/fontconfig.h>

namespace forms {

bool loadFontAliases()
{
    QFile file(QStringLiteral(":/fonts/zenvortali-fonts.conf"));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray conf = file.readAll();
    if (!FcInit())
        return false;
    FcConfig* config = FcConfigGetCurrent();
    return FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(conf.constData()), FcTrue) == FcTrue;
}

} // namespace forms
