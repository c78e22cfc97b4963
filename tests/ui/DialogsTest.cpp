// SPDX-License-Identifier: MIT
// The About and Help dialogs: layout, texts, fonts, closing, and the game
// going on underneath.
#include <QFontInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <functional>

#include "PieceSequence.h"
#include "UiTestSupport.h"
#include "UiTests.h"
#include "URLLabel.h"
#include "UnitFormAbout.h"
#include "UnitFormHelp.h"
#include "ui_UnitFormAbout.h"
#include "ui_UnitFormHelp.h"

using namespace zembra;
using namespace zembra::testing;

namespace {

// Clicks `button` on the main window and runs `inspect` on the modal dialog
// it opens; the inspection must close it.
template <typename Dialog>
bool withDialog(QToolButton* button, const std::function<void(Dialog&)>& inspect, int delayMs = 0)
{
    bool seen = false;
    QTimer::singleShot(delayMs, [&] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = true;
        inspect(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    button->click();
    return seen;
}

// The default button as the classic desktop draws it: a black line round
// its whole rectangle, and the white edge of the raised bevel inside it.
void expectClassicDefaultButton(QPushButton& button)
{
    QVERIFY(button.isDefault());
    const QImage image = button.grab().toImage();
    const int right = button.width() - 1, bottom = button.height() - 1;
    for (QPoint p : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom), QPoint(right / 2, bottom)})
        QCOMPARE(QColor(image.pixel(p)), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(1, 1)), button.palette().color(QPalette::Light));
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void aboutLayout()
    {
        MainWindowUnderTest w;
        const bool seen = withDialog<TFormAbout>(w.ui().TBAbout, [](TFormAbout& d) {
            Ui::TFormAbout& f = d.form();
            QCOMPARE(d.windowTitle(), QStringLiteral("关于"));
            QCOMPARE(d.size(), QSize(340, 178));
            QCOMPARE(d.minimumSize(), d.maximumSize());
            QVERIFY(!(d.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
            QVERIFY(d.windowFlags() & Qt::WindowCloseButtonHint);
            QCOMPARE(d.font().pixelSize(), 12);
            QCOMPARE(f.Label5->text(), QStringLiteral("主页:"));
            QCOMPARE(f.Label5->geometry().right() + 1, 96);
            QCOMPARE(f.Label5->y(), 90);
            QCOMPARE(f.Label6->text(), QStringLiteral("邮件:"));
            QCOMPARE(f.Label6->geometry(), QRect(8, 114, 88, 13));
            QVERIFY(f.Label6->alignment() & Qt::AlignRight);
            QCOMPARE(f.URLLabel4->pos(), QPoint(101, 89));
            QCOMPARE(f.URLLabel1->pos(), QPoint(100, 113));
            // Each caption stands on its link's baseline: its painted text
            // ends there too.
            for (auto [caption, link] : {std::pair{f.Label5, f.URLLabel4}, {f.Label6, f.URLLabel1}}) {
                QCOMPARE(caption->y() + caption->fontMetrics().ascent(), link->y() + link->baseline());
                const QImage ink = caption->grab().toImage();
                int lowest = -1;
                for (int y = 0; y < ink.height(); ++y)
                    for (int x = 0; x < ink.width(); ++x)
                        if (qAlpha(ink.pixel(x, y)) > 128 && qGray(ink.pixel(x, y)) < 128)
                            lowest = y;
                QVERIFY2(std::abs(lowest - caption->fontMetrics().ascent()) <= 1, qPrintable(caption->text()));
            }
            QCOMPARE(f.URLLabel4->URL(), f.URLLabel4->Caption());
            QVERIFY(f.URLLabel4->Caption().startsWith(QLatin1String("http://")));
            QVERIFY(f.URLLabel4->Caption().contains(QLatin1String("example.org")));
            QCOMPARE(f.URLLabel1->URL(), QStringLiteral("mailto:") + f.URLLabel1->Caption());
            QVERIFY(f.URLLabel1->Caption().endsWith(QLatin1String("@example.org")));
            for (TURLLabel* link : {f.URLLabel4, f.URLLabel1}) {
                QCOMPARE(link->UnvisitedColor(), 7879740u);
                QCOMPARE(link->VisitedColor(), 4611970u);
                QCOMPARE(link->FontColor(), 7879740u);
                QVERIFY(!link->Visited());
                QCOMPARE(link->font().pixelSize(), 11);
                QVERIFY(link->font().underline());
                QCOMPARE(QFontInfo(link->font()).family(), QStringLiteral("Zembra Wide"));
                QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
                QVERIFY2(link->width() > 60 && link->height() >= 12, "sized to its text");
            }
            QCOMPARE(f.Image1->geometry(), QRect(136, 8, 32, 32));
            QCOMPARE(f.Image1->pixmap().size(), QSize(32, 32));
            QCOMPARE(f.Label1->text(), QStringLiteral("Zembra"));
            QCOMPARE(f.Label1->pos(), QPoint(72, 50));
            QCOMPARE(f.Label1->font().pixelSize(), 13);
            QVERIFY(f.Label1->font().bold());
            QCOMPARE(f.Label2->text(), QStringLiteral("(Ver 2.5)"));
            QCOMPARE(f.Label2->pos(), QPoint(127, 70));
            QCOMPARE(f.Button1->geometry(), QRect(232, 144, 75, 25));
            expectClassicDefaultButton(*f.Button1);
            QCOMPARE(f.Button1->text(), QStringLiteral("关闭"));
            QCOMPARE(d.focusWidget(), f.Button1);
        });
        QVERIFY(seen);
    }

    void helpLayout()
    {
        MainWindowUnderTest w;
        const bool seen = withDialog<TFormHelp>(w.ui().TBHelp, [](TFormHelp& d) {
            Ui::TFormHelp& f = d.form();
            QCOMPARE(d.windowTitle(), QStringLiteral("帮助"));
            QCOMPARE(d.size(), QSize(408, 293));
            QCOMPARE(d.minimumSize(), d.maximumSize());
            QCOMPARE(d.font().pixelSize(), 11);
            const struct {
                QGroupBox* box;
                QRect geometry;
                const char* title;
                QColor colour;
            } groups[] = {
                {f.GroupBox1, QRect(7, 5, 393, 65), "游戏规则", QColor(0, 0, 255)},
                {f.GroupBox2, QRect(7, 65, 393, 97), "操作说明(键盘)", QColor(128, 0, 0)},
                {f.GroupBox3, QRect(7, 157, 393, 105), "等级", QColor(0, 128, 128)},
            };
            for (const auto& g : groups) {
                QCOMPARE(g.box->geometry(), g.geometry);
                QCOMPARE(g.box->title(), QString::fromUtf8(g.title));
                QCOMPARE(g.box->palette().color(QPalette::WindowText), g.colour);
            }
            QCOMPARE(f.Label1->text(), QStringLiteral("游戏为单人单机型Zembra。"));
            QCOMPARE(f.Label1->parentWidget(), f.GroupBox1);
            QCOMPARE(f.Label1->palette().color(QPalette::WindowText), QColor(0, 0, 255));  // takes the box's colour
            QCOMPARE(f.Label2->text(), QStringLiteral("当玩家游戏池中的砖块累积到顶端时游戏失败。"));
            QCOMPARE(f.Label3->text(), QStringLiteral("键盘 [ 左、右 ] 用来控制落下砖块的左右移动\r\n键盘 [ 下 ] "
                                                      "用来控制砖块加速下落\r\n键盘 [ 上 ] 用来控制砖块变形\r\n键盘 [ 空格 ] "
                                                      "用来控制砖块直接落到底"));
            QCOMPARE(f.Label4->text(), QStringLiteral("一级=10000以下\r\n二级=10000~20000\r\n三级=20000~30000\r\n"
                                                      "四级=30000~40000\r\n五级=40000~50000\r\n无敌=50000以上"));
            QCOMPARE(f.Label4->pos(), QPoint(16, 16));
            // Lines 14 px apart, as laid out, and every line fits its box.
            QCOMPARE(f.Label3->fontMetrics().lineSpacing(), 14);
            QVERIFY(f.Label3->sizeHint().height() <= f.Label3->height());
            QVERIFY(f.Label4->sizeHint().height() <= f.Label4->height());
            QCOMPARE(f.Button1->geometry(), QRect(323, 264, 75, 25));
            expectClassicDefaultButton(*f.Button1);
            QCOMPARE(d.focusWidget(), f.Button1);
            // The boxes stack as laid out: down a column clear of the
            // captions, a box hides the bottom edge of the one above it, so
            // each boundary shows one frame line, and that line runs through
            // the caption of the box below.
            const QImage img = d.grab().toImage();
            const QRgb frame = d.palette().color(QPalette::Dark).rgb();
            QList<int> lines;
            for (int y = 0; y < img.height(); ++y)
                if (img.pixel(300, y) == frame)
                    lines << y;
            QCOMPARE(lines.size(), 4);  // three tops and the last bottom
            for (int i = 0; i < 3; ++i) {
                const QRect caption(groups[i].box->x() + 9, groups[i].box->y(), 12, 16);  // its first character
                int top = img.height(), bottom = -1;
                for (int y = caption.top(); y <= caption.bottom(); ++y)
                    for (int x = caption.left(); x <= caption.right(); ++x)
                        if (qGray(img.pixel(x, y)) < 150 && img.pixel(x, y) != frame)
                            top = std::min(top, y), bottom = std::max(bottom, y);
                QVERIFY2(top < lines[i] && lines[i] < bottom, groups[i].title);
            }
        });
        QVERIFY(seen);
    }

    void closingWays_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("closes");
        QTest::newRow("button") << "button" << true;
        QTest::newRow("close box") << "close box" << true;
        QTest::newRow("enter") << "enter" << true;
        QTest::newRow("space") << "space" << true;
        QTest::newRow("escape") << "escape" << false;
    }
    void closingWays()
    {
        QFETCH(QString, how);
        QFETCH(bool, closes);
        MainWindowUnderTest w;
        for (QToolButton* button : {w.ui().TBAbout, w.ui().TBHelp}) {
            int result = -1;
            bool stillOpen = false;
            const bool seen = withDialog<QDialog>(button, [&](QDialog& d) {
                auto* close = d.findChild<QPushButton*>(QStringLiteral("Button1"));
                QObject::connect(&d, &QDialog::finished, [&](int r) { result = r; });
                if (how == QLatin1String("button"))
                    close->click();
                else if (how == QLatin1String("close box"))
                    d.close();
                else if (how == QLatin1String("enter"))
                    QTest::keyClick(close, Qt::Key_Return);
                else if (how == QLatin1String("space"))
                    QTest::keyClick(close, Qt::Key_Space);
                else
                    QTest::keyClick(close, Qt::Key_Escape);
                stillOpen = d.isVisible();
            });
            QVERIFY(seen);
            QCOMPARE(!stillOpen, closes);
            if (closes)
                QCOMPARE(result, int(QDialog::Rejected));
        }
    }

    void everyOpeningIsAFreshDialogWithUnvisitedLinks()
    {
        MainWindowUnderTest w;
        QPointer<TFormAbout> first;
        withDialog<TFormAbout>(w.ui().TBAbout, [&](TFormAbout& d) {
            first = &d;
            d.form().URLLabel4->setOpener([](const QString&) { return true; });
            QTest::mouseClick(d.form().URLLabel4, Qt::LeftButton);
            QVERIFY(d.form().URLLabel4->Visited());
        });
        QTRY_VERIFY(first.isNull());
        withDialog<TFormAbout>(w.ui().TBAbout, [&](TFormAbout& d) {
            QVERIFY(!d.form().URLLabel4->Visited());
            QCOMPARE(d.form().URLLabel4->FontColor(), 7879740u);
        });
        QCOMPARE(w.form->findChildren<QDialog*>().size(), 0);
    }

    void placement()
    {
        MainWindowUnderTest w;
        w.form->move(30, 40);
        withDialog<TFormHelp>(w.ui().TBHelp, [&](TFormHelp& d) {
            const QPoint centre = d.frameGeometry().center();
            const QPoint owner = w.form->frameGeometry().center();
            QVERIFY((centre - owner).manhattanLength() <= 4);
        });
        withDialog<TFormAbout>(w.ui().TBAbout, [&](TFormAbout& d) {
            const QPoint centre = d.frameGeometry().center();
            const QPoint desktop = d.screen()->availableGeometry().center();
            QVERIFY((centre - desktop).manhattanLength() <= 4);
        });
    }

    void theGameGoesOnUnderAnOpenDialog()
    {
        MainWindowUnderTest w;
        w.ui().N51->trigger();  // 100 ms a row
        QTest::keyClick(w.form.get(), Qt::Key_F2);
        const int row = w.engine().PiecePos.Row;
        const int piece = SequencePos;
        int rowSeen = row;
        withDialog<TFormHelp>(w.ui().TBHelp, [&](TFormHelp&) { rowSeen = w.engine().PiecePos.Row; }, 450);
        QVERIFY2(rowSeen > row || SequencePos > piece, "the piece fell while the dialog was open");
    }
};

ZEMBRA_UI_TEST(DialogsTest)
#include "DialogsTest.moc"
