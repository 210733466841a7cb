#include "fontface.h"

#include <QFontDatabase>
#include <QStringList>

#ifdef QUORVANE_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace qv::frame {

QString preferredFace(const QString& family, int weight, bool italic)
{
#ifdef QUORVANE_HAVE_FONTCONFIG
    FcPattern* pattern = FcPatternCreate();
    const QByteArray name = family.toUtf8();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
    FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(weight));
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcObjectSet* objects = FcObjectSetBuild(FC_FOUNDRY, FC_FONTFORMAT, nullptr);
    FcFontSet* faces = FcFontList(nullptr, pattern, objects);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    if (!faces)
        return family;

    const auto text = [](FcPattern* face, const char* object) {
        FcChar8* value = nullptr;
        return FcPatternGetString(face, object, 0, &value) == FcResultMatch
                   ? QString::fromUtf8(reinterpret_cast<const char*>(value))
                   : QString();
    };
    bool type1 = false;
    QStringList sfntFoundries;
    for (int i = 0; i < faces->nfont; ++i) {
        const QString format = text(faces->fonts[i], FC_FONTFORMAT);
        if (format == QLatin1String("Type 1"))
            type1 = true;
        else if (format == QLatin1String("CFF") || format == QLatin1String("TrueType"))
            sfntFoundries << text(faces->fonts[i], FC_FOUNDRY);
    }
    FcFontSetDestroy(faces);

    if (type1) {
        const QStringList listed = QFontDatabase::families();
        for (const QString& foundry : sfntFoundries) {
            const QString face = QStringLiteral("%1 [%2]").arg(family, foundry);
            if (!foundry.isEmpty() && listed.contains(face))
                return face;
        }
    }
#else
    Q_UNUSED(weight);
    Q_UNUSED(italic);
#endif
    return family;
}

} // namespace qv::frame
