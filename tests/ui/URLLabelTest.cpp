// SPDX-License-Identifier: MIT
// The link label with its desktop opener replaced by a recorder.
#include <QTest>

#include "Fonts.h"
#include "UiTests.h"
#include "URLLabel.h"

using namespace zembra;

namespace {

struct Recorder {
    QStringList opened;
    bool succeed = true;
    int chooserRuns = 0;
    void attach(TURLLabel& label)
    {
        label.setOpener([this](const QString& link) {
            opened << link;
            return succeed;
        });
        label.setChooser([this] { ++chooserRuns; });
    }
};

int pixelsOf(const QImage& image, const QColor& colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

}  // namespace

class URLLabelTest : public QObject {
    Q_OBJECT

private slots:
    void defaultsAfterConstruction()
    {
        TURLLabel label;
        QVERIFY(label.URL().isEmpty());
        QVERIFY(!label.Visited());
        QCOMPARE(label.UnvisitedColor(), clHighlight);
        QCOMPARE(label.VisitedColor(), 0x00800080u);
        QCOMPARE(label.FontColor(), clHighlight);
        QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(label.font().underline());
        QVERIFY(!label.Transparent());
        QVERIFY(label.ShowAccelChar());
        QCOMPARE(toQColor(0x00800080, label.palette()), QColor(128, 0, 128));
        QCOMPARE(toQColor(7879740, label.palette()), QColor(0x3C, 0x3C, 0x78));
        QCOMPARE(toQColor(clHighlight, label.palette()), label.palette().color(QPalette::Highlight));
    }

    void theLinkComesFromTheURLOrTheCaption_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("opened");
        QTest::newRow("blank URL opens the caption") << "" << "http://zembra.example.org/"
                                                     << QStringList{"http://zembra.example.org/"};
        QTest::newRow("URL with blanks is handed over with them")
            << "  http://zembra.example.org/  " << "caption" << QStringList{"  http://zembra.example.org/  "};
        QTest::newRow("URL of blanks and tabs falls back to the caption") << " \t " << "x" << QStringList{"x"};
        QTest::newRow("both blank does nothing") << "  " << " " << QStringList{};
        QTest::newRow("both empty does nothing") << "" << "" << QStringList{};
    }
    void theLinkComesFromTheURLOrTheCaption()
    {
        QFETCH(QString, url);
        QFETCH(QString, caption);
        QFETCH(QStringList, opened);
        TURLLabel label;
        Recorder r;
        r.attach(label);
        label.setCaption(caption);
        label.setURL(url);
        label.resize(100, 20);
        QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(r.opened, opened);
        QCOMPARE(label.Visited(), !opened.isEmpty());
    }

    void visitedColourAfterASuccessfulOpen()
    {
        TURLLabel label;
        Recorder r;
        r.attach(label);
        label.setCaption(QStringLiteral("mailto:zembra@example.org"));
        label.setUnvisitedColor(7879740);
        label.setVisitedColor(4611970);
        QCOMPARE(label.FontColor(), 7879740u);
        QTest::mouseClick(&label, Qt::LeftButton);
        QVERIFY(label.Visited());
        QCOMPARE(label.FontColor(), 4611970u);
        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(r.opened.size(), 2);
        QCOMPARE(label.FontColor(), 4611970u);
        label.setUnvisitedColor(0x0000FF);
        QCOMPARE(label.UnvisitedColor(), 0x0000FFu);
        QCOMPARE(label.FontColor(), 4611970u);  // still painted in the visited colour
        label.setVisited(false);
        QCOMPARE(label.FontColor(), 0x0000FFu);
    }

    void aFailedOpenChangesNothingAndOnlyHtmOffersAChooser_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("chooser");
        QTest::newRow(".htm") << "http://zembra.example.org/index.htm" << true;
        QTest::newRow(".HTM") << "C:\\site\\INDEX.HTM" << true;
        QTest::newRow(".Htm") << "page.Htm" << true;
        QTest::newRow(".html") << "http://zembra.example.org/index.html" << false;
        QTest::newRow("no extension") << "mailto:zembra@example" << false;
        QTest::newRow("backslash after the dot") << "C:\\a.htm\\b" << false;
        QTest::newRow("colon after the dot") << "a.htm:8080" << false;
        QTest::newRow("forward slash after the dot") << "http://a.htm/" << false;
        QTest::newRow("web address") << "http://zembra.example.org/" << false;
    }
    void aFailedOpenChangesNothingAndOnlyHtmOffersAChooser()
    {
        QFETCH(QString, link);
        QFETCH(bool, chooser);
        TURLLabel label;
        Recorder r;
        r.succeed = false;
        r.attach(label);
        label.setCaption(link);
        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(r.opened, QStringList{link});
        QVERIFY(!label.Visited());
        QCOMPARE(label.FontColor(), clHighlight);
        QCOMPARE(r.chooserRuns, chooser ? 1 : 0);
    }

    void extensions()
    {
        QCOMPARE(TURLLabel::linkExtension(QStringLiteral("a.b.htm")), QStringLiteral(".HTM"));
        QCOMPARE(TURLLabel::linkExtension(QStringLiteral("a.htm/x")), QStringLiteral(".HTM/X"));
        QCOMPARE(TURLLabel::linkExtension(QStringLiteral("none")), QString());
        QCOMPARE(TURLLabel::linkExtension(QStringLiteral("a.ähtm")), QStringLiteral(".äHTM"));  // ASCII only
    }

    void theAcceleratorCharacterIsHiddenAndTheSizeFollowsTheText()
    {
        TURLLabel with, without, plain;
        for (TURLLabel* l : {&with, &without, &plain})
            l->setAutoSize(true);
        with.setCaption(QStringLiteral("&Link"));
        without.setShowAccelChar(false);
        without.setCaption(QStringLiteral("&Link"));
        plain.setCaption(QStringLiteral("Link"));
        QCOMPARE(with.width(), plain.width());
        QVERIFY(without.width() > plain.width());
        QVERIFY(with.textFlags() & Qt::TextShowMnemonic);
        QVERIFY(!(without.textFlags() & Qt::TextShowMnemonic));
    }

    void aRightAlignedLabelKeepsItsRightEdge()
    {
        QWidget parent;
        TURLLabel label(&parent);
        label.setAlignment(Qt::AlignRight);
        label.setGeometry(100, 10, 40, 13);
        label.setCaption(QStringLiteral("a much longer caption"));
        QCOMPARE(label.geometry().right(), 139);
        QVERIFY(label.width() > 40);
        TURLLabel left(&parent);
        left.setGeometry(100, 30, 40, 13);
        left.setCaption(QStringLiteral("a much longer caption"));
        QCOMPARE(left.x(), 100);
    }

    void aDisabledLabelIsEmbossed()
    {
        QWidget parent;
        TURLLabel label(&parent);
        label.setFont(fonts::arial(27, true));  // the embedded face, alike on every platform
        label.setCaption(QStringLiteral("WWW"));
        label.setUnvisitedColor(0x0000FF);  // red
        QPalette p = label.palette();
        p.setColor(QPalette::Light, QColor(0, 200, 0));
        p.setColor(QPalette::Dark, QColor(0, 0, 200));
        label.setPalette(p);
        const QImage enabled = label.grab().toImage();
        QVERIFY(pixelsOf(enabled, QColor(255, 0, 0)) > 10);
        label.setEnabled(false);
        const QImage disabled = label.grab().toImage();
        QCOMPARE(pixelsOf(disabled, QColor(255, 0, 0)), 0);
        QVERIFY(pixelsOf(disabled, QColor(0, 200, 0)) > 5);
        QVERIFY(pixelsOf(disabled, QColor(0, 0, 200)) > 10);
    }

    void writingTheCaptionRepaintsAndResizes()
    {
        TURLLabel label;
        label.setCaption(QStringLiteral("ab"));
        const int small = label.width();
        label.setCaption(QStringLiteral("abcdefgh"));
        QVERIFY(label.width() > small);
        label.setAutoSize(false);
        label.setCaption(QStringLiteral("a"));
        QVERIFY2(label.width() > small, "a fixed size stays");
    }
};

ZEMBRA_UI_TEST(URLLabelTest)
#include "URLLabelTest.moc"
