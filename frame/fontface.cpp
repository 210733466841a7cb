// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fontface.h"

#include <QFontDatabase>
#include <QStringList>

#include <unordered_map>

#ifdef QUORVANE_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace qv::frame {

const ShownFont& shownFont(const Font& font)
{
    // Fonts are static design objects, so their address names them. The
    // table is never destroyed: no QFont may outlive the application's font
    // cache at exit.
    static auto& fonts = *new std::unordered_map<const Font*, ShownFont>;
    auto [it, added] = fonts.try_emplace(&font);
    if (added) {
        QFont& f = it->second.font;
        // One family, the face that will show: asked for the design family
        // and its stand-in, Qt sorted fontconfig's fallbacks twice for every
        // font (a sixth of all the work to the first frame), for the same face.
        static const QStringList installed = QFontDatabase::families();
        const QString family = QString::fromLatin1(font.family);
        const bool standIn = font.standIn.family && !installed.contains(family, Qt::CaseInsensitive);
        f.setFamily(preferredFace(standIn ? QString::fromLatin1(font.standIn.family) : family, font.weight,
                                  font.italic));
        f.setPointSizeF(font.pointSize);
        f.setWeight(QFont::Weight(font.weight));
        f.setItalic(font.italic);
        // The stand-in set to the family's widths and line spacing: the same
        // face, condensed (FreeType scales its outlines), loads no other file.
        // Every font says its width, or a control would take its window's.
        f.setStretch(standIn ? font.standIn.stretch : 100);
        if (standIn)
            it->second.lineHeight = font.standIn.lineHeight;
    }
    return it->second;
}

const Font& windowFont(const FormDesign& design) { return design.font ? *design.font : ToolkitDefault; }

const Font& fontOf(const Control& control, const FormDesign& design)
{
    return control.font ? *control.font : windowFont(design);
}

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
