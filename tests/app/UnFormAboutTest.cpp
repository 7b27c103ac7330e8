#include "app/UnFormAbout.h"

#include "app/Applimits.h"
#include "app/Appresources.h"
#include "tests/support/Activemodal.h"
#include "tests/support/Scripteddialogs.h"
#include "tests/support/Testmainwindow.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>

#include <algorithm>

namespace {

using AboutWindow = CWindowTest;

QString shownText(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (const auto* memo = qobject_cast<const QTextEdit*>(control))
        return memo->toPlainText();
    if (const auto* button = qobject_cast<const QPushButton*>(control))
        return button->text();
    return QStringLiteral("<no text control>");
}

struct TGolden
{
    const char* control;
    const char* text;
};

const TGolden kAboutTexts[] = {
    {"LabelProgramName", "Ombrix"},
    {"MemoDescription",
     "The program for arithmetic, mathematical calculations. \nThe expressions for the calculation "
     "are represented as the text that is very obvious, visual and very convenient at bulky "
     "calculations. Rules of a spelling of the mathematical text are simple and intuitively clear."},
    {"EditVersion", "Version 1.0.1.1"},
    {"EditProducer", "Copyright (c) The Ombrix developers"},
    {"LabelWebSite", "https://ombrix.example.org/"},
    {"LabelEmail", "Email for technical support and your comments : "},
    {"LabelEmailSupport", "support@ombrix.example.org"},
    {"LabelThank", "Thank you for using Ombrix."},
    {"ButtonOk", "OK"},
};

TEST_F(AboutWindow, ShowsTheProgramsTexts)
{
    CTestMainWindow main;
    TFormAbout about(&main);
    about.show();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About ..."));
    for (const TGolden& golden : kAboutTexts) {
        const auto* control = about.findChild<QWidget*>(QLatin1String(golden.control));
        ASSERT_NE(control, nullptr) << golden.control;
        EXPECT_EQ(shownText(control), QString::fromUtf8(golden.text)) << golden.control;
    }
    EXPECT_TRUE(m_Dialogs.messages.empty());
}

TEST_F(AboutWindow, LinksOpenTheirAddresses)
{
    struct TCase
    {
        const char* label;
        const char* address;
        const char* reason;
    };
    const TCase cases[] = {
        {"LabelWebSite", "https://ombrix.example.org/", "the web page in the browser"},
        {"LabelEmailSupport", "mailto:support@ombrix.example.org?subject=Ombrix&body=",
         "a message to support with the program's name as its subject"},
    };
    CTestMainWindow main;
    TFormAbout about(&main);
    about.show();
    for (const TCase& row : cases) {
        m_Dialogs.openedAddresses.clear();
        auto* label = about.findChild<QLabel*>(QLatin1String(row.label));
        ASSERT_NE(label, nullptr) << row.label;
        QTest::mouseClick(label, Qt::LeftButton);
        ASSERT_EQ(m_Dialogs.openedAddresses.size(), 1u) << row.reason;
        EXPECT_EQ(m_Dialogs.openedAddresses.front().toString(), QLatin1String(row.address))
            << row.reason;
    }
    EXPECT_TRUE(m_Dialogs.messages.empty());
}

TEST_F(AboutWindow, OnlyALeftClickOnALinkOpensIt)
{
    CTestMainWindow main;
    TFormAbout about(&main);
    about.show();
    for (const char* name : {"LabelProgramName", "LabelEmail", "LabelThank"})
        QTest::mouseClick(about.findChild<QLabel*>(QLatin1String(name)), Qt::LeftButton);
    auto* link = about.findChild<QLabel*>(QStringLiteral("LabelWebSite"));
    QTest::mouseClick(link, Qt::RightButton);
    // Pressed on the link, but let go beside it: the user changed their mind.
    QTest::mousePress(link, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_TRUE(m_Dialogs.openedAddresses.empty());
}

TEST_F(AboutWindow, LinksLookLikeLinks)
{
    TFormAbout about;
    for (const char* name : {"LabelWebSite", "LabelEmailSupport"}) {
        const auto* label = about.findChild<QLabel*>(QLatin1String(name));
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::blue)) << name;
        EXPECT_TRUE(label->font().underline()) << name;
        EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor) << name;
    }
    const auto* thanks = about.findChild<QLabel*>(QStringLiteral("LabelThank"));
    EXPECT_FALSE(thanks->font().underline());

    const auto* name = about.findChild<QLabel*>(QStringLiteral("LabelProgramName"));
    EXPECT_TRUE(name->font().bold());
    EXPECT_GT(name->font().pointSizeF(), about.font().pointSizeF());
}

TEST_F(AboutWindow, HeaderShowsTheProgramsIconBeforeItsName)
{
    initAppResources();
    TFormAbout about;
    about.show();
    const auto* icon = about.findChild<QLabel*>(QStringLiteral("ImageProgram"));
    const auto* name = about.findChild<QLabel*>(QStringLiteral("LabelProgramName"));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->pixmap().size(), QSize(kAboutIconSize, kAboutIconSize));
    EXPECT_EQ(icon->pixmap().toImage(),
              appIcon(QStringLiteral("ombrix")).pixmap(kAboutIconSize, kAboutIconSize).toImage());
    EXPECT_EQ(icon->parentWidget(), name->parentWidget()) << "both on the white header";
    EXPECT_LT(icon->geometry().right(), name->geometry().left());
    EXPECT_GE(icon->height(), kAboutIconSize) << "the header has room for it";
}

TEST_F(AboutWindow, LinesUnderTheDescriptionStartWhereItsTextDoes)
{
    TFormAbout about;
    about.show();
    const QImage image = about.grab().toImage();
    // The first dark pixel of the control's text, inside its frame.
    const auto textLeft = [&](const char* name) {
        const auto* control = about.findChild<QWidget*>(QLatin1String(name));
        const auto* frame = qobject_cast<const QFrame*>(control);
        const int inset = frame != nullptr ? frame->frameWidth() : 0;
        const QRect place(control->mapTo(&about, QPoint(0, 0)), control->size());
        int left = image.width();
        for (int y = place.top() + inset; y < place.bottom() - inset; ++y)
            for (int x = place.left() + inset; x < std::min(left, place.right() - inset); ++x)
                if (qGray(image.pixel(x, y)) < 110)
                    left = x;
        return left;
    };
    const int description = textLeft("MemoDescription");
    for (const char* name : {"EditVersion", "EditProducer", "LabelWebSite"})
        // A glyph's own side bearing may add a pixel.
        EXPECT_NEAR(textLeft(name), description, 1) << name;
}

TEST_F(AboutWindow, NothingIsCut)
{
    TFormAbout about;
    about.show();
    // The description wraps in its memo and is wholly visible without scrolling.
    const auto* memo = about.findChild<QTextEdit*>(QStringLiteral("MemoDescription"));
    EXPECT_LE(memo->width(), kAboutTextWidth);
    EXPECT_EQ(memo->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(memo->horizontalScrollBar()->maximum(), 0);
    for (const auto* label : about.findChildren<QLabel*>())
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->objectName().toStdString();
    for (const auto* edit : about.findChildren<QLineEdit*>())
        EXPECT_GE(edit->width(), edit->fontMetrics().horizontalAdvance(edit->text()))
            << edit->objectName().toStdString();
    // Single border: the size is fixed.
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    EXPECT_TRUE(about.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(AboutWindow, DescriptionShowsTheFocusTheTabGivesIt)
{
    CTestMainWindow main;
    TFormAbout about(&main);
    about.show();
    about.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    auto* description = about.findChild<QTextEdit*>(QStringLiteral("MemoDescription"));
    expectTheFocusShows(description, [description] { description->setFocus(Qt::TabFocusReason); });
}

TEST_F(AboutWindow, OkClosesAndLeavesTheOpenWindowList)
{
    CTestMainWindow main;
    TFormAbout about(&main);
    whenModalActive(&about, [&](QWidget*) {
        EXPECT_TRUE(main.isWindowOpen(QStringLiteral("TFormAbout")));
        EXPECT_EQ(about.focusWidget(), about.findChild<QPushButton*>(QStringLiteral("ButtonOk")));
        QTest::keyClick(&about, Qt::Key_Return);
    });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
    EXPECT_FALSE(main.isWindowOpen(QStringLiteral("TFormAbout")));
    EXPECT_EQ(main.getWindowListCount(), 0);
}

} // namespace
