#include "framework/Dialogseams.h"

#include "tests/support/Activemodal.h"
#include "tests/support/Scripteddialogs.h"
#include "tests/support/Testmainwindow.h"

#include <QDialog>
#include <QWidget>

#include <functional>

namespace {

using DialogSeams = CWindowTest;

TEST_F(DialogSeams, AnInformationBoxHasOnlyOk)
{
    QWidget parent;
    // A scripted answer other than OK must not change what is asked.
    m_Dialogs.messageAnswers.push_back(TMessageAnswer::Cancel);
    showInformation(&parent, QStringLiteral("The text."), QStringLiteral(" Caption"));

    ASSERT_EQ(m_Dialogs.messages.size(), 1u);
    const CScriptedDialogs::TMessage& message = m_Dialogs.messages.front();
    EXPECT_EQ(message.text, QStringLiteral("The text."));
    EXPECT_EQ(message.caption, QStringLiteral(" Caption"));
    EXPECT_EQ(message.icon, TMessageIcon::Information);
    EXPECT_EQ(message.buttons, TMessageButtons::Ok);
    EXPECT_EQ(message.defaultAnswer, TMessageAnswer::Ok);
}

TEST_F(DialogSeams, TheDesktopsDialogsWaitOnTopForTheirWindowsOnly)
{
    struct TCase
    {
        const char* what;
        std::function<void(QWidget*)> ask;
    };
    // An empty folder: no file in it asks the desktop's type database, which the file
    // extension's test must be the first to ask.
    TFileDialogRequest inDocuments;
    inDocuments.folder = docsFolder();
    const TCase cases[] = {
        {"box",
         [](QWidget* parent) {
             showInformation(parent, QStringLiteral("The text."), QStringLiteral(" Caption"));
         }},
        {"open file",
         [&](QWidget* parent) { CDialogSeams::current().chooseOpenFile(parent, inDocuments); }},
        {"save file",
         [&](QWidget* parent) { CDialogSeams::current().chooseSaveFile(parent, inDocuments); }},
        {"colour",
         [](QWidget* parent) {
             TColor color = 0;
             CDialogSeams::current().chooseColor(parent, color);
         }},
    };
    // The desktop's own dialogs, answered here once they wait.
    CDialogSeams::install(nullptr);
    CTestMainWindow main;
    main.show();
    // A window of the program's own outside the main window's, as the tray icon's is.
    QWidget trayIcon;
    trayIcon.show();
    for (const TCase& c : cases) {
        bool waiting = false;
        bool onTop = false;
        bool mainTakesClick = true;
        bool iconTakesClick = false;
        whenModalActive(&main, [&](QWidget* dialog) {
            waiting = main.isModalWindowOpen();
            onTop = dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            mainTakesClick = takesClick(&main);
            iconTakesClick = takesClick(&trayIcon);
            qobject_cast<QDialog*>(dialog)->reject();
        });
        c.ask(&main);
        EXPECT_TRUE(waiting) << "listed as a dialog that waits: " << c.what;
        EXPECT_TRUE(onTop) << "in front of the windows kept on top: " << c.what;
        EXPECT_FALSE(mainTakesClick) << c.what;
        EXPECT_TRUE(iconTakesClick) << "the tray icon answers while it waits: " << c.what;
        EXPECT_EQ(main.getWindowListCount(), 0) << c.what;
    }
}

} // namespace
