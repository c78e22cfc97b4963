// SPDX-License-Identifier: MIT
// The main window after start-up: every control where and as it should be.
#include <QDirIterator>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>
#include <QMenu>
#include <QTextLayout>
#include <QToolButton>

#include "EmbeddedAssets.h"
#include "Fonts.h"
#include "UiTestSupport.h"
#include "UiTests.h"

using namespace zembra;
using namespace zembra::testing;

namespace {

const char* const kInstructions =
    "这是非常传统经典的游戏，游戏主要控制：\r\r键\t 说 明\r\r←\t 控制方块向左移动，每次\r                 移动一个单元格\r\r→\t "
    "控制方块向右移动，每次\r                 移动一个单元格\r\r↓\t 使方块加速下落。\r         高级方块模式中的功能键。\r "
    "\rSpace键  使方块直接并且正常\r（Ctrl） 落到画面底部堆积。 \r         （可使穿透效果实效）\r\r方向键↑ "
    "使方块顺时针90°旋转 \r\r小提示：\r     游戏中消层可获取相应的分数，每得\r1000分将加1颗星。每 10 颗星提升一个等\r级！"
    "速度相应增加！\r\r    更多的功能，帮助。\r            请点击右键，进入右键菜单！\r\r\r          欢迎使用！版本信息 "
    "2.0.0523\r      \r2.0版本主要更新：\r\r   1.增加高级方块模式.\r   2.优化方块掉落顺序.";

// The face that actually draws a piece of text.
QString faceDrawing(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const auto runs = layout.glyphRuns();
    return runs.isEmpty() ? QString() : runs.first().rawFont().familyName();
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void windowIsFixedAndTitled()
    {
        MainWindowUnderTest w;
        QCOMPARE(w.form->windowTitle(), QStringLiteral("Zembra"));
        QCOMPARE(w.form->size(), QSize(367, 491));
        QCOMPARE(w.form->minimumSize(), QSize(367, 491));
        QCOMPARE(w.form->maximumSize(), QSize(367, 491));
        QVERIFY(!(w.form->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w.form->windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!w.form->windowIcon().isNull());
        w.form->resize(500, 600);
        QCOMPARE(w.form->size(), QSize(367, 491));
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("face");  // the embedded face that stands for the layout's (a strike where one is)
        const QString sans = QStringLiteral("Zembra Sans"), song = QStringLiteral("Zembra Song");
        QTest::newRow("level name") << "name" << "TMainForm" << QRect(20, 408, 73, 14) << true << "一级" << 12 << true
                                    << QColor(255, 0, 255) << sans;
        QTest::newRow("score") << "Labelsoure" << "TMainForm" << QRect(1, 461, 73, 13) << true << "" << 13 << true
                               << QColor(0, 255, 0) << song + " 13";
        QTest::newRow("level-up message") << "tslabel" << "Panel1" << QRect(0, 278, 241, 26) << false
                                          << "恭喜你升级为二级" << 20 << true << QColor(255, 0, 0) << song;
        QTest::newRow("game-over banner") << "labelover" << "Panel1" << QRect(-1, 150, 241, 42) << false << "GAME  OVER"
                                          << 37 << true << QColor(255, 0, 0) << sans;
        QTest::newRow("instructions") << "Labelxinxi" << "TMainForm" << QRect(464, 56, 240, 420) << true
                                      << QString::fromUtf8(kInstructions) << 12 << false << QColor(255, 255, 255)
                                      << song + " 12";
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        QFETCH(bool, visible);
        QFETCH(QString, text);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        QFETCH(QColor, colour);
        QFETCH(QString, face);
        MainWindowUnderTest w;
        auto* label = w.form->findChild<QLabel*>(name);
        QVERIFY(label);
        QCOMPARE(label->parentWidget()->objectName(), parent);
        QCOMPARE(label->geometry(), geometry);
        QCOMPARE(label->isVisible(), visible);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->font().pixelSize(), pixelSize);
        QCOMPARE(label->font().bold(), bold);
        QCOMPARE(label->palette().color(QPalette::WindowText), colour);
        QCOMPARE(QFontInfo(label->font()).family(), face);
        if (name != QLatin1String("Labelxinxi"))
            QVERIFY(label->alignment() & Qt::AlignHCenter);
    }

    void bannerIsUnderlinedAndTheInstructionsStayOutOfSight()
    {
        MainWindowUnderTest w;
        QVERIFY(w.ui().labelover->font().underline());
        QVERIFY(w.ui().Labelxinxi->autoFillBackground());
        QCOMPARE(w.ui().Labelxinxi->palette().color(QPalette::Window), QColor(Qt::black));
        QVERIFY2(w.ui().Labelxinxi->geometry().left() >= w.form->width(), "never inside the client area");
    }

    void panelsAndBackground()
    {
        MainWindowUnderTest w;
        QCOMPARE(w.ui().mainBack->geometry(), QRect(-2, 45, 370, 447));
        QCOMPARE(w.ui().Panel1->geometry(), QRect(109, 58, 241, 420));
        QCOMPARE(w.ui().ToolBar1->geometry(), QRect(0, 0, 367, 45));
        // An etched edge on all four sides: dark then light, from the outside
        // in at the top and left, from the inside out at the bottom and right.
        const QImage bar = w.ui().ToolBar1->grab().toImage();
        const QRgb dark = w.ui().ToolBar1->palette().color(QPalette::Dark).rgb();
        const QRgb light = w.ui().ToolBar1->palette().color(QPalette::Light).rgb();
        for (auto [outer, inner] : {std::pair{QPoint(100, 0), QPoint(100, 1)}, {QPoint(0, 22), QPoint(1, 22)},
                                    {QPoint(100, 43), QPoint(100, 44)}, {QPoint(365, 22), QPoint(366, 22)}}) {
            QCOMPARE(bar.pixel(outer), dark);
            QCOMPARE(bar.pixel(inner), light);
        }
        QCOMPARE(EmbeddedAssets::background().size(), QSize(370, 447));
        QCOMPARE(w.ui().Panel1->spriteCount(), 252);
        QCOMPARE(w.ui().mainBack->spriteCount(), 10 + 50);  // stars and the two previews
        QCOMPARE(w.shownWellCells(), 0);
    }

    void starsAreHiddenInTwoRowsOfFive()
    {
        MainWindowUnderTest w;
        const int xs[] = {16, 31, 46, 61, 76};
        for (int i = 1; i <= 10; ++i) {
            ImageControl& star = w.form->StarImage(i);
            QVERIFY(!star.Shown());
            QCOMPARE(star.Left(), xs[(i - 1) % 5]);
            QCOMPARE(star.Top(), i <= 5 ? 427 : 442);
            QCOMPARE(QString::fromStdString(star.PictureName()), QStringLiteral("tt"));
        }
    }

    void toolbar_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("left");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("start") << "TBStart" << "开始(F2)" << 0 << true;
        QTest::newRow("pause") << "TBPause" << "暂停(F3)" << 55 << false;
        QTest::newRow("settings") << "TBMenu" << "设置" << 107 << true;
        QTest::newRow("help") << "TBHelp" << "帮助" << 172 << true;
        QTest::newRow("about") << "TBAbout" << "关于" << 224 << true;
        QTest::newRow("quit") << "TBQuit" << "退出(&E)" << 270 << true;
    }
    void toolbar()
    {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(int, left);
        QFETCH(bool, enabled);
        MainWindowUnderTest w;
        auto* b = w.form->findChild<QToolButton*>(button);
        QVERIFY(b);
        QCOMPARE(b->text(), caption);
        QCOMPARE(b->x() - w.ui().TBStart->x(), left);
        QCOMPARE(b->height(), 37);
        QCOMPARE(b->isEnabled(), enabled);
        QVERIFY(!b->icon().isNull());
        QCOMPARE(b->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QCOMPARE(b->focusPolicy(), Qt::NoFocus);
    }

    void toolbarImagesAreSixteenPixelsWithTransparentBackgrounds()
    {
        for (int i = 0; i < 10; ++i) {
            const QImage image = EmbeddedAssets::toolbarImage(i).pixmap(16, 16).toImage();
            QCOMPARE(image.size(), QSize(16, 16));
            QVERIFY2(image.hasAlphaChannel(), qPrintable(QString::number(i)));
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
            int opaque = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    opaque += qAlpha(image.pixel(x, y)) == 255;
            QVERIFY(opaque > 40);
        }
        const QImage icon = EmbeddedAssets::applicationIconImage().toImage();
        QCOMPARE(icon.size(), QSize(32, 32));
        // The window icon holds the same picture at sharp sizes: the
        // program's own icon file's on Windows, the desktops' PNGs elsewhere.
        const QIcon windowIcon = EmbeddedAssets::applicationIcon();
#ifdef Q_OS_WIN
        const QList<QSize> sizes{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {256, 256}};
#else
        const QList<QSize> sizes{{32, 32}, {64, 64}, {128, 128}};
#endif
        QCOMPARE(windowIcon.availableSizes(), sizes);
        const int largest = sizes.constLast().width(), step = largest / 32;
        const QImage small = windowIcon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage large = windowIcon.pixmap(largest, largest).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage reference = icon.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                QCOMPARE(small.pixel(x, y), reference.pixel(x, y));
                QCOMPARE(large.pixel(step * x + step / 2, step * y + step / 2), reference.pixel(x, y));
            }
    }

    void menuItemsAndTheirInitialMarks_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("checked");
        QTest::newRow("row-clear effect") << "N3" << "消层效果" << false << true;
        QTest::newRow("music") << "N9" << "音乐" << false << true;
        QTest::newRow("sound effects") << "N10" << "音效" << true << true;
        QTest::newRow("advanced blocks") << "N22" << "高级方块模式" << false << false;
        QTest::newRow("normal mode") << "N14" << "正常模式" << true << true;
        QTest::newRow("speed 1") << "N15" << "速度等级1" << true << false;
        QTest::newRow("speed 2") << "N21" << "速度等级2" << true << false;
        QTest::newRow("speed 3") << "N31" << "速度等级3" << true << false;
        QTest::newRow("speed 4") << "N41" << "速度等级4" << true << false;
        QTest::newRow("speed 5") << "N51" << "速度等级5" << true << false;
        // Shown in their own submenu, which the menu never shows.
        QTest::newRow("clockwise") << "N20" << "顺时针" << false << true;
        QTest::newRow("counter-clockwise") << "N19" << "逆时针" << false << false;
    }
    void menuItemsAndTheirInitialMarks()
    {
        QFETCH(QString, item);
        QFETCH(QString, caption);
        QFETCH(bool, visible);
        QFETCH(bool, checked);
        MainWindowUnderTest w;
        auto* action = w.form->findChild<QAction*>(item);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QList<QAction*> shown = w.form->MainPopupMenu().actions();
        for (QMenu* sub : w.form->MainPopupMenu().findChildren<QMenu*>())
            if (shown.contains(sub->menuAction()))
                shown += sub->actions();
        QCOMPARE(shown.contains(action), visible);
        QVERIFY(action->isCheckable());
        QCOMPARE(action->isChecked(), checked);
        // A shown mark: the speeds are radio items, marked with a round
        // bullet (a solid 4 x 6 core); the sound a check item, with a tick.
        if (visible && checked) {
            QMenu* menu = nullptr;
            for (QObject* shownIn : action->associatedObjects())
                menu = menu ? menu : qobject_cast<QMenu*>(shownIn);
            QVERIFY(menu);
            menu->ensurePolished();
            menu->adjustSize();
            const QImage image = menu->grab().toImage();
            const QRect mark = menu->actionGeometry(action).intersected(QRect(0, 0, 24, image.height()));
            const auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 96; };
            bool bullet = false;
            for (int y = mark.top(); y + 6 <= mark.bottom(); ++y)
                for (int x = mark.left(); x + 4 <= mark.right(); ++x) {
                    bool solid = true;
                    for (int dy = 0; dy < 6 && solid; ++dy)
                        for (int dx = 0; dx < 4 && solid; ++dx)
                            solid = dark(x + dx, y + dy);
                    bullet = bullet || solid;
                }
            QCOMPARE(bullet, item != QLatin1String("N10"));
        }
    }

    void menuShowsSoundAndSpeedOnly()
    {
        MainWindowUnderTest w;
        QStringList shown;
        for (QAction* a : w.form->MainPopupMenu().actions())
            if (a->isVisible())
                shown << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(shown, (QStringList{"音效", "-", "速度设置"}));
        auto* direction = w.form->findChild<QAction*>(QStringLiteral("N7"));
        QVERIFY(direction && !w.form->MainPopupMenu().actions().contains(direction));
        QCOMPARE(w.ui().TBMenu->menu(), &w.form->MainPopupMenu());
    }

    void commandsAndShortcuts()
    {
        MainWindowUnderTest w;
        const struct {
            QAction* action;
            const char* caption;
            QKeySequence key;
            bool enabled;
        } commands[] = {
            {w.ui().close, "退出(&E)", QKeySequence(Qt::CTRL | Qt::Key_X), true},
            {w.ui().start, "开始(F2)", QKeySequence(Qt::Key_F2), true},
            {w.ui().topause, "暂停(F3)", QKeySequence(Qt::Key_F3), false},
            {w.ui().xcok, "", QKeySequence(Qt::Key_F4), true},
            {w.ui().yinxiao, "", QKeySequence(Qt::Key_F5), true},
            {w.ui().yinyue, "", QKeySequence(Qt::Key_F6), true},
        };
        for (const auto& c : commands) {
            QCOMPARE(c.action->text(), QString::fromUtf8(c.caption));
            QCOMPARE(c.action->shortcut(), c.key);
            QCOMPARE(c.action->isEnabled(), c.enabled);
            QVERIFY(w.form->actions().contains(c.action));
        }
    }

    void everyTextIsDrawnInTheEmbeddedFaces()
    {
        // Every character of the game's sources (its texts, menus, boxes and
        // the toolkit texts it translates) has a glyph in the Song face, in
        // both styles, and every ASCII character in each Latin face.
        QSet<QChar> characters;
        for (const char* root : {ZEMBRA_SOURCE_DIR "/ui", ZEMBRA_SOURCE_DIR "/engine"}) {
            QDirIterator files(QString::fromUtf8(root), {"*.cpp", "*.h", "*.ui"}, QDir::Files,
                               QDirIterator::Subdirectories);
            while (files.hasNext()) {
                QFile file(files.next());
                QVERIFY(file.open(QIODevice::ReadOnly));
                for (QChar c : QString::fromUtf8(file.readAll()))
                    if (c.unicode() >= 0xA0 && !c.isSurrogate())
                        characters.insert(c);
            }
        }
        QVERIFY(characters.contains(QChar(0x7EA7)));  // 级: the sources were read
        for (const QString& file : fonts::embeddedFiles()) {
            const QRawFont face(EmbeddedAssets::bytes(file), 12);
            QVERIFY2(face.isValid(), qPrintable(file));
            for (char16_t c = 0x20; c < 0x7F; ++c)
                QVERIFY2(face.supportsCharacter(QChar(c)), qPrintable(file + ": " + QChar(c)));
            if (file.contains(QLatin1String("song")))
                for (QChar c : characters)
                    QVERIFY2(face.supportsCharacter(c), qPrintable(file + " lacks " + QString(c)));
        }
        // What the main window and its menu show is drawn by those faces.
        MainWindowUnderTest w;
        QList<QPair<QString, QFont>> texts;
        for (const QLabel* label : w.form->findChildren<QLabel*>())
            texts.append({label->text(), label->font()});
        for (const QAction* action : w.form->MainPopupMenu().actions())
            texts.append({action->text(), w.form->MainPopupMenu().font()});
        for (const QToolButton* button : w.form->findChildren<QToolButton*>())
            texts.append({button->text(), button->font()});
        for (const auto& [text, font] : texts)
            for (QChar c : text) {
                if (c.isSpace() || c == QLatin1Char('&') || c == QLatin1Char('\r'))
                    continue;
                const QString face = faceDrawing(c, font);
                QVERIFY2(fonts::embeddedFamilies().contains(face), qPrintable(QString(c) + " in " + text + ": " + face));
            }
    }

    void picturesAreFoundInAnyCase()
    {
        const QPixmap* lower = EmbeddedAssets::cellPicture(QStringLiteral("tt"));
        QVERIFY(lower && !lower->isNull());
        QCOMPARE(lower->size(), QSize(26, 26));
        QCOMPARE(EmbeddedAssets::cellPicture(QStringLiteral("TT")), lower);
        QCOMPARE(EmbeddedAssets::cellPicture(QStringLiteral("Tt")), lower);
        QCOMPARE(lower->toImage().pixelColor(23, 23), QColor(0xD0, 0x0C, 0x06));
        QCOMPARE(EmbeddedAssets::cellPicture(QStringLiteral("FK49"))->toImage().pixelColor(23, 23),
                 QColor(0xD6, 0x57, 0xA5));
        QVERIFY(!EmbeddedAssets::cellPicture(QStringLiteral("nothing")));
        for (const char* name : {"start", "pause", "next", "lose", "turn", "down", "xc", "xa", "ct"}) {
            const QByteArray wav = EmbeddedAssets::sound(QString::fromLatin1(name).toUpper());
            QVERIFY2(wav.startsWith("RIFF"), name);
            QCOMPARE(wav, EmbeddedAssets::sound(QString::fromLatin1(name)));
        }
    }
};

ZEMBRA_UI_TEST(MainWindowTest)
#include "MainWindowTest.moc"
