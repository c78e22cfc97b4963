// SPDX-License-Identifier: MIT
#include "Fonts.h"

#include <QStringList>

namespace zembra::fonts {

namespace {

QFont make(const QStringList& families, int pixelSize, bool bold, bool underline)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setUnderline(underline);
    font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

const QStringList& chineseFaces()
{
    static const QStringList faces = {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC"),
                                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Microsoft YaHei")};
    return faces;
}

}  // namespace

QFont song(int pixelSize, bool bold)
{
    QStringList families = {QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("NSimSun"),
                            QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Source Han Serif SC"),
                            QStringLiteral("AR PL UMing CN")};
    families += chineseFaces();
    return make(families, pixelSize, bold, false);
}

QFont arial(int pixelSize, bool bold, bool underline)
{
    QStringList families = {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")};
    families += chineseFaces();
    return make(families, pixelSize, bold, underline);
}

QFont verdana(int pixelSize, bool underline)
{
    QStringList families = {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")};
    families += chineseFaces();
    return make(families, pixelSize, false, underline);
}

QFont withChineseGlyphs(QFont font)
{
    font.setFamilies(QStringList{font.family()} + chineseFaces());
    return font;
}

QFont latinFace(QFont font)
{
    font.setFamilies({font.families().value(0, font.family())});
    return font;
}

}  // namespace zembra::fonts
