#include "framework/Dialogseams.h"

#include "framework/Handlerguard.h"
#include "tests/support/Activemodal.h"
#include "tests/support/Scripteddialogs.h"
#include "tests/support/Testmainwindow.h"

#include <QApplication>
#include <QDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QTest>
#include <QWidget>

#include <functional>
#include <stdexcept>

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
        bool fileChosen = false; // the file dialog is answered: the box it brings is the one seen
    };
    TFileDialogRequest inDocuments;
    inDocuments.folder = docsFolder();
    TFileDialogRequest existing = inDocuments;
    existing.fileName = QStringLiteral(".existing.txt");
    writeFile(docsFolder() + QLatin1Char('/') + existing.fileName, "kept");
    TFileDialogRequest missing = inDocuments;
    missing.fileName = QStringLiteral("missing.txt");
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
        {"save onto an existing file: whether to replace it",
         [&](QWidget* parent) { CDialogSeams::current().chooseSaveFile(parent, existing); }, true},
        {"open of a name not there: that it is not found",
         [&](QWidget* parent) { CDialogSeams::current().chooseOpenFile(parent, missing); }, true},
        {"a failure's box while no window of the program is active",
         [](QWidget*) {
             QApplication::setActiveWindow(nullptr);
             CHandlerGuard::run("DialogSeams::Test", [] { throw std::runtime_error("failed"); });
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
        bool box = !c.fileChosen;
        bool waiting = false;
        bool onTop = false;
        bool mainTakesClick = true;
        bool iconTakesClick = false;
        const auto check = [&](QWidget* dialog) {
            box = box || qobject_cast<QMessageBox*>(dialog) != nullptr;
            waiting = main.isModalWindowOpen();
            onTop = dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            mainTakesClick = takesClick(&main);
            iconTakesClick = takesClick(&trayIcon);
            dialog->close(); // a question: its No
        };
        QObject acts;
        if (c.fileChosen) {
            whenModalActive(&acts, [&](QWidget* files) {
                // Its box is turned down, and the file dialog then cancelled.
                whenModalActive(&acts, check);
                qobject_cast<QDialog*>(files)->accept();
                qobject_cast<QDialog*>(files)->reject();
            });
        } else {
            whenModalActive(&acts, check);
        }
        c.ask(&main);
        EXPECT_TRUE(box) << c.what;
        EXPECT_TRUE(waiting) << "listed as a dialog that waits: " << c.what;
        EXPECT_TRUE(onTop) << "in front of the windows kept on top: " << c.what;
        EXPECT_FALSE(mainTakesClick) << c.what;
        EXPECT_TRUE(iconTakesClick) << "the tray icon answers while it waits: " << c.what;
        EXPECT_EQ(main.getWindowListCount(), 0) << c.what;
    }
}

TEST_F(DialogSeams, TheDesktopsFileDialogTypesFilesByTheirNamesOnly)
{
    // Its content says a shell script, its name nothing. Typed by content, a file whose read
    // never ends (/proc/kmsg, a slow network share) would stop the window for good.
    const QString script = docsFolder() + QStringLiteral("/script");
    writeFile(script, "#!/bin/sh\necho listed\n");
    const QMimeDatabase types;
    ASSERT_EQ(types.mimeTypeForFile(script).name(), QStringLiteral("application/x-shellscript"));
    TFileDialogRequest request;
    request.folder = docsFolder();
    CDialogSeams::install(nullptr);
    QString listed;
    QObject acts;
    whenModalActive(&acts, [&](QWidget* dialog) {
        if (const auto* model = dialog->findChild<QFileSystemModel*>()) {
            // Listed as the model's thread hands the folder in.
            const QModelIndex folder = model->index(docsFolder());
            if (QTest::qWaitFor([&] { return model->rowCount(folder) == 1; }))
                listed = model->type(model->index(script));
        }
        dialog->close();
    });
    CDialogSeams::current().chooseOpenFile(nullptr, request);
    EXPECT_EQ(
        listed.toStdString(),
        types.mimeTypeForName(QStringLiteral("application/octet-stream")).comment().toStdString());
}

} // namespace
