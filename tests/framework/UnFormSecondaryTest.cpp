#include "framework/UnFormSecondary.h"

#include "framework/Filelog.h"
#include "tests/support/Activemodal.h"
#include "tests/support/Scripteddialogs.h"
#include "tests/support/Testmainwindow.h"

#include <QColorDialog>
#include <QPointer>
#include <QTest>

#include <functional>
#include <stdexcept>

// Dialogs of the program as the windows build them: their own work on showing and closing.
class TFormAlpha : public TFormSecondary
{
    Q_OBJECT

public:
    using TFormSecondary::TFormSecondary;

    int shows = 0;
    int closes = 0;
    // What the main window's list said while formShow() ran.
    bool listedOnShow = false;

protected:
    void formShow() override
    {
        ++shows;
        const TFormMainBase* main = getMainFormBase();
        listedOnShow = main != nullptr && main->isWindowOpen(QStringLiteral("TFormAlpha"));
    }
    void formClose() override { ++closes; }
};

class TFormFailing : public TFormSecondary
{
    Q_OBJECT

public:
    using TFormSecondary::TFormSecondary;

protected:
    void formShow() override { throw std::runtime_error("captions could not be set"); }
};

namespace {

class SecondaryWindow : public CWindowTest
{
protected:
    QByteArray logContent() const { return readFile(binFolder() + QStringLiteral("/ombrix.log")); }
};

TEST_F(SecondaryWindow, StandsInTheListExactlyWhileShown)
{
    struct TCase
    {
        const char* how;
        std::function<void(TFormAlpha&)> hide;
    };
    const TCase cases[] = {
        {"accept", [](TFormAlpha& d) { d.accept(); }},
        {"reject", [](TFormAlpha& d) { d.reject(); }},
        {"done", [](TFormAlpha& d) { d.done(7); }},
        {"hide", [](TFormAlpha& d) { d.hide(); }},
        {"close", [](TFormAlpha& d) { d.close(); }},
        {"Escape", [](TFormAlpha& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
        {"close in the tray",
         [](TFormAlpha& d) {
             d.getMainFormBase()->hideAllWindows();
             d.close();
         }},
    };
    CTestMainWindow main;
    for (const TCase& c : cases) {
        TFormAlpha dialog(&main);
        dialog.show();
        EXPECT_TRUE(main.isWindowOpen(QStringLiteral("TFormAlpha"))) << c.how;
        EXPECT_TRUE(dialog.listedOnShow) << "listed before formShow() runs: " << c.how;
        dialog.show(); // already shown: not listed twice
        EXPECT_EQ(main.getWindowListCount(), 1) << c.how;
        c.hide(dialog);
        EXPECT_FALSE(dialog.isVisible()) << c.how;
        EXPECT_EQ(main.getWindowListCount(), 0) << c.how;
        EXPECT_EQ(dialog.shows, 1) << c.how;
        EXPECT_EQ(dialog.closes, 1) << c.how;
    }
}

TEST_F(SecondaryWindow, ShownAgainItIsListedAgain)
{
    CTestMainWindow main;
    TFormAlpha dialog(&main);
    for (int round = 1; round <= 3; ++round) {
        dialog.show();
        EXPECT_EQ(main.getWindowListCount(), 1);
        dialog.reject();
        EXPECT_EQ(main.getWindowListCount(), 0);
    }
    EXPECT_EQ(dialog.shows, 3);
    EXPECT_EQ(dialog.closes, 3);
}

TEST_F(SecondaryWindow, ModalDialogIsListedAndModalWhileItRuns)
{
    CTestMainWindow main;
    main.show();
    TFormAlpha find(&main);
    find.show();
    // A window of the program's own outside the main window's, as the tray icon's is.
    QWidget trayIcon;
    trayIcon.show();
    for (const QDialog::DialogCode answer : {QDialog::Accepted, QDialog::Rejected}) {
        TFormAlpha dialog(&main);
        bool modalInside = false;
        int countInside = 0;
        bool underneathTakesClick = true;
        bool iconTakesClick = false;
        whenModalActive(&dialog, [&](QWidget*) {
            modalInside = main.isModalWindowOpen();
            countInside = main.getWindowListCount();
            underneathTakesClick = takesClick(&main) || takesClick(&find);
            iconTakesClick = takesClick(&trayIcon);
            dialog.done(answer);
        });
        EXPECT_EQ(dialog.exec(), answer);
        EXPECT_TRUE(modalInside) << answer;
        EXPECT_EQ(countInside, 2) << answer;
        EXPECT_FALSE(underneathTakesClick) << "nothing starts under a waiting dialog: " << answer;
        EXPECT_TRUE(iconTakesClick) << "the tray icon answers while the dialog waits: " << answer;
        EXPECT_FALSE(main.isModalWindowOpen()) << answer;
        EXPECT_EQ(main.getWindowListCount(), 1) << answer;
    }
}

TEST_F(SecondaryWindow, DialogsInListOrderAndOneClosedBetween)
{
    CTestMainWindow main;
    TFormAlpha first(&main);
    TFormAlpha second(&main);
    TFormAlpha third(&main);
    first.show();
    second.show();
    third.show();
    second.accept();
    ASSERT_EQ(main.getWindowListCount(), 2);
    EXPECT_EQ(main.getWindowListEntry(0).form, &first);
    EXPECT_EQ(main.getWindowListEntry(1).form, &third);
    first.hide();
    third.hide();
}

TEST_F(SecondaryWindow, DeletedWhileShownLeavesTheList)
{
    CTestMainWindow main;
    auto* dialog = new TFormAlpha(&main);
    dialog->show();
    ASSERT_EQ(main.getWindowListCount(), 1);
    delete dialog;
    EXPECT_EQ(main.getWindowListCount(), 0);
    EXPECT_FALSE(main.isWindowOpen(QStringLiteral("TFormAlpha")));
}

TEST_F(SecondaryWindow, MainWindowDestroyedWithDialogsShown)
{
    auto* main = new CTestMainWindow();
    QPointer<TFormAlpha> dialog = new TFormAlpha(main);
    dialog->show();
    auto* modeless = new TFormAlpha(main);
    modeless->show();
    delete main; // deletes the dialogs it owns, whose list is already gone
    EXPECT_TRUE(dialog.isNull());
}

TEST_F(SecondaryWindow, WithoutAMainWindowAsOwnerItNeitherRegistersNorLogs)
{
    CTestMainWindow main;
    main.formMain().WriteLogs = true;
    QWidget plainOwner;
    TFormMainBase baseOnly;
    struct TCase
    {
        const char* owner;
        QWidget* widget;
        bool hasBase;
    };
    const TCase cases[] = {
        {"none", nullptr, false},
        {"a plain widget", &plainOwner, false},
        {"a main window without logging", &baseOnly, true},
    };
    for (const TCase& c : cases) {
        TFormAlpha dialog(c.widget);
        EXPECT_EQ(dialog.getMainForm(), nullptr) << c.owner;
        EXPECT_EQ(dialog.getMainFormBase() != nullptr, c.hasBase) << c.owner;
        dialog.show();
        EXPECT_EQ(dialog.shows, 1) << "its own work still runs: " << c.owner;
        EXPECT_EQ(main.getWindowListCount(), 0) << c.owner;
        EXPECT_EQ(baseOnly.getWindowListCount(), c.hasBase ? 1 : 0) << c.owner;
        dialog.writeLog(CFileLog::TYPE_ERROR, QStringLiteral("TFormAlpha::Test"),
                        QStringLiteral("not written"));
        dialog.onDialogShow(&plainOwner);
        EXPECT_EQ(baseOnly.getWindowListCount(), c.hasBase ? 2 : 0) << c.owner;
        dialog.onDialogClose(&plainOwner);
        dialog.hide();
        EXPECT_EQ(baseOnly.getWindowListCount(), 0) << c.owner;
        EXPECT_EQ(dialog.closes, 1) << c.owner;
    }
    CFileLog::getInstance()->flush();
    EXPECT_FALSE(logContent().contains("not written"));
}

TEST_F(SecondaryWindow, LogsThroughItsMainWindow)
{
    CTestMainWindow main;
    main.formMain().WriteLogs = true;
    TFormAlpha dialog(&main);
    dialog.writeLog(CFileLog::TYPE_ERROR, QStringLiteral("TFormAlpha::Test"),
                    QStringLiteral("first\r\nsecond"));
    CFileLog::getInstance()->flush();
    EXPECT_TRUE(logContent().endsWith("[error] [TFormAlpha::Test] first  second\n"))
        << logContent().toStdString();
}

TEST_F(SecondaryWindow, DesktopDialogsItOpensAreListedWhileOpen)
{
    CTestMainWindow main;
    TFormAlpha dialog(&main);
    dialog.show();
    QColorDialog color;
    dialog.onDialogShow(&color);
    dialog.onDialogShow(nullptr);
    ASSERT_EQ(main.getWindowListCount(), 2);
    EXPECT_EQ(main.getWindowListEntry(1).dialog, &color);
    EXPECT_EQ(main.getWindowListEntry(1).form, nullptr);
    dialog.onDialogClose(nullptr);
    dialog.onDialogClose(&color);
    EXPECT_EQ(main.getWindowListCount(), 1);
    dialog.hide();
}

TEST_F(SecondaryWindow, FailingShowWorkIsReportedAndTheDialogStillListed)
{
    CTestMainWindow main;
    main.formMain().WriteLogs = true;
    TFormFailing dialog(&main);
    dialog.show();
    EXPECT_EQ(main.getWindowListCount(), 1);
    ASSERT_EQ(m_Dialogs.messages.size(), 1u);
    EXPECT_EQ(m_Dialogs.messages[0].text, QStringLiteral("captions could not be set"));
    dialog.hide();
    EXPECT_EQ(main.getWindowListCount(), 0);
    CFileLog::getInstance()->flush();
    EXPECT_TRUE(logContent().endsWith(
        "[system error] [TFormSecondary::FormShow] captions could not be set\n"));
}

} // namespace

#include "UnFormSecondaryTest.moc"
