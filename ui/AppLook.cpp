// SPDX-License-Identifier: MIT
#include "AppLook.h"

#include <QApplication>
#include <QHash>
#include <QTranslator>

#include "ClassicStyle.h"
#include "Fonts.h"

namespace zembra {

namespace {

// Qt's own texts that a player can meet, in Simplified Chinese, so that no
// translation files need to be installed. The keys are Qt's source texts in
// the contexts where the platform themes ask for them.
class ChineseQtTexts final : public QTranslator {
public:
    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* source, const char*, int) const override
    {
        const QLatin1String ctx(context);
        if (ctx != QLatin1String("QPlatformTheme") && ctx != QLatin1String("QGnomeTheme"))
            return {};
        static const QHash<QString, QString> texts = {
            {QStringLiteral("OK"), QStringLiteral("确定")},        {QStringLiteral("&OK"), QStringLiteral("确定")},
            {QStringLiteral("Cancel"), QStringLiteral("取消")},    {QStringLiteral("&Cancel"), QStringLiteral("取消")},
            {QStringLiteral("Close"), QStringLiteral("关闭")},     {QStringLiteral("&Close"), QStringLiteral("关闭")},
            {QStringLiteral("&Yes"), QStringLiteral("是(&Y)")},    {QStringLiteral("&No"), QStringLiteral("否(&N)")},
            {QStringLiteral("Yes to &All"), QStringLiteral("全部是(&A)")},
            {QStringLiteral("N&o to All"), QStringLiteral("全部否(&O)")},
            {QStringLiteral("Save"), QStringLiteral("保存")},      {QStringLiteral("&Save"), QStringLiteral("保存")},
            {QStringLiteral("Save All"), QStringLiteral("全部保存")}, {QStringLiteral("Open"), QStringLiteral("打开")},
            {QStringLiteral("Abort"), QStringLiteral("中止")},     {QStringLiteral("Retry"), QStringLiteral("重试")},
            {QStringLiteral("Ignore"), QStringLiteral("忽略")},    {QStringLiteral("Discard"), QStringLiteral("放弃")},
            {QStringLiteral("Close without Saving"), QStringLiteral("关闭且不保存")},
            {QStringLiteral("Help"), QStringLiteral("帮助")},      {QStringLiteral("Apply"), QStringLiteral("应用")},
            {QStringLiteral("Reset"), QStringLiteral("重置")},
            {QStringLiteral("Restore Defaults"), QStringLiteral("恢复默认")},
        };
        return texts.value(QString::fromLatin1(source));
    }
};

}  // namespace

void applyAppLook(QApplication& app)
{
    auto* style = new ClassicStyle;
    QApplication::setStyle(style);
    // Where the desktop's theme is kept out, its colours are too: set, the
    // application's palette is not refilled from the theme's.
    if (!QGuiApplication::desktopSettingsAware())
        QApplication::setPalette(style->standardPalette());
    // Message boxes and menus use the application's font: "宋体" at 9 points,
    // as on a Chinese Windows.
    fonts::registerFaces();
    QApplication::setFont(fonts::song(12));
    static ChineseQtTexts texts;
    app.installTranslator(&texts);
}

}  // namespace zembra
