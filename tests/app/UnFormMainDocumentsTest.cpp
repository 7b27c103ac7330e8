#include "app/Applimits.h"
#include "app/Nameresources.h"
#include "app/Programstart.h"
#include "platform/Plainfile.h"
#include "tests/app/Mainwindowfixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QTextCursor>

#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class Documents : public CMainWindowTest
{
protected:
    bool permissionsEnforced()
    {
        // As root every file can be read and written: such cases cannot be made here.
        return geteuid() != 0;
    }
};

TEST_F(Documents, TitleFollowsTheDocumentAndItsChanges)
{
    openWindow();
    EXPECT_EQ(m_Window->windowTitle(), QStringLiteral(" Ombrix"));
    typeText(QStringLiteral("a"));
    EXPECT_EQ(m_Window->windowTitle(), QStringLiteral(" Ombrix*"));
    m_Dialogs.saveFileAnswers.push_back(docPath(QStringLiteral("a.txt")));
    press(QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(m_Window->windowTitle(),
              QStringLiteral(" Ombrix-[") + docPath(QStringLiteral("a.txt")) + QLatin1Char(']'));
    typeText(QStringLiteral("b"));
    EXPECT_EQ(m_Window->windowTitle(), QStringLiteral(" Ombrix-[")
                                           + docPath(QStringLiteral("a.txt"))
                                           + QStringLiteral("*]"));
}

TEST_F(Documents, SaveGoesToTheDialogOnceThenToTheSameFile)
{
    openWindow();
    typeText(QStringLiteral("a = 1;\nb = 2;"));
    m_Dialogs.saveFileAnswers.push_back(docPath(QStringLiteral("calc.txt")));
    press(QKeySequence(Qt::CTRL | Qt::Key_S));
    ASSERT_EQ(m_Dialogs.saveFileRequests.size(), 1u);
    EXPECT_EQ(m_Dialogs.saveFileRequests[0].defaultSuffix, QStringLiteral("txt"));
    EXPECT_EQ(m_Dialogs.saveFileRequests[0].filters,
              (QStringList{QStringLiteral("Ombrix files (*.ombx)"),
                           QStringLiteral("Text files (*.txt)"), QStringLiteral("All files (*)")}));
    EXPECT_EQ(readFile(docPath(QStringLiteral("calc.txt"))), QByteArray("a = 1;\r\nb = 2;"));

    typeText(QStringLiteral("\nc = 3;"));
    press(QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(m_Dialogs.saveFileRequests.size(), 1u) << "no second dialog";
    EXPECT_EQ(readFile(docPath(QStringLiteral("calc.txt"))),
              QByteArray("a = 1;\r\nb = 2;\r\nc = 3;"));
    EXPECT_FALSE(editor().document()->isModified());
}

TEST_F(Documents, SaveAfterTheFileVanishedAsksForAName)
{
    openWindow();
    typeText(QStringLiteral("x = 1;"));
    m_Dialogs.saveFileAnswers.push_back(docPath(QStringLiteral("gone.txt")));
    press(QKeySequence(Qt::CTRL | Qt::Key_S));
    QFile::remove(docPath(QStringLiteral("gone.txt")));
    typeText(QStringLiteral(" "));
    m_Dialogs.saveFileAnswers.push_back(docPath(QStringLiteral("back.txt")));
    press(QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(m_Dialogs.saveFileRequests.size(), 2u);
    EXPECT_TRUE(QFile::exists(docPath(QStringLiteral("back.txt"))));
}

TEST_F(Documents, ALinkToADocumentNotThereYetIsSavedThroughAndStays)
{
    QDir().mkpath(docPath(QStringLiteral("kept")));
    const QString link = docPath(QStringLiteral("link.txt"));
    ASSERT_TRUE(QFile::link(QStringLiteral("kept/calc.txt"), link));
    openWindow();
    typeText(QStringLiteral("k = 1;"));
    m_Dialogs.saveFileAnswers = {link};
    trigger("ActionFileSaveAs");
    EXPECT_TRUE(m_Dialogs.messages.empty());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readFile(docPath(QStringLiteral("kept/calc.txt"))), "k = 1;");
}

TEST_F(Documents, EncodingsOnDisk)
{
    struct TCase
    {
        const char* reason;
        QByteArray fileBefore; // empty: a new document
        QString typed;
        QByteArray fileAfter;
        bool toldAboutUtf8;
    };
    const TCase cases[] = {
        {"a new document that fits cp1251 is cp1251",
         {},
         QString::fromUtf8("\xd0\xb0 = 1;"),
         "\xe0 = 1;",
         false},
        {"a new document beyond cp1251 is UTF-8",
         {},
         QString::fromUtf8("\xe4\xb8\xad"),
         "\xe4\xb8\xad",
         false},
        {"a UTF-8 document stays UTF-8", "\xd0\xb0 = 1;", QStringLiteral("!"), "!\xd0\xb0 = 1;",
         false},
        {"a UTF-8 document keeps its mark", "\xEF\xBB\xBFx", QStringLiteral("y"), "\xEF\xBB\xBFyx",
         false},
        {"a cp1251 document stays cp1251", "\xe0 = 1;", QStringLiteral("b"), "b\xe0 = 1;", false},
        {"a cp1251 document given other characters becomes UTF-8, said aloud", "\xe0;",
         QString::fromUtf8("\xe4\xb8\xad"), "\xe4\xb8\xad\xd0\xb0;", true},
        {"UTF-16 LE stays UTF-16 LE with its mark", QByteArray("\xFF\xFEx\0;\0\r\0\n\0", 10),
         QString::fromUtf8("\xd1\x8f"), QByteArray("\xFF\xFE\x4F\x04x\0;\0\r\0\n\0", 12), false},
        {"UTF-16 BE stays UTF-16 BE", QByteArray("\xFE\xFF\0x", 4), QStringLiteral("y"),
         QByteArray("\xFE\xFF\0y\0x", 6), false},
        {"invalid bytes after a UTF-8 mark stay as they were",
         "\xEF\xBB\xBF"
         "a\xFF\xC0",
         QStringLiteral("b"),
         "b\xEF\xBB\xBF"
         "a\xFF\xC0",
         false},
    };
    openWindow();
    int index = 0;
    for (const TCase& c : cases) {
        m_Dialogs.messages.clear();
        const QString name = docPath(QStringLiteral("enc%1.txt").arg(index++));
        if (c.fileBefore.isEmpty()) {
            trigger("ActionFileNew");
            m_Dialogs.saveFileAnswers.push_back(name);
        } else {
            writeFile(name, c.fileBefore);
            ASSERT_TRUE(m_Window->openFile(name)) << c.reason;
            QTest::keyClick(&editor(), Qt::Key_Home, Qt::ControlModifier);
        }
        typeText(c.typed);
        press(QKeySequence(Qt::CTRL | Qt::Key_S));
        EXPECT_EQ(readFile(name), c.fileAfter) << c.reason;
        EXPECT_EQ(!m_Dialogs.messages.empty(), c.toldAboutUtf8) << c.reason;
    }
}

TEST_F(Documents, SaveQueryOnCloseNewAndOpen)
{
    struct TCase
    {
        const char* reason;
        TMessageAnswer answer;
        QString saveAs;    // answer of the save dialog after Yes; empty cancels it
        bool documentKept; // the command stopped: the text is still there
    };
    const TCase cases[] = {
        {"Yes saves, then goes on", TMessageAnswer::Yes, QStringLiteral("saved.txt"), false},
        {"No goes on without saving", TMessageAnswer::No, QString(), false},
        {"Cancel stops", TMessageAnswer::Cancel, QString(), true},
        {"Yes with the save dialog cancelled stops", TMessageAnswer::Yes, QString(), true},
    };
    openWindow();
    for (const TCase& c : cases) {
        trigger("ActionFileNew");
        typeText(QStringLiteral("q = 1;"));
        m_Dialogs.messages.clear();
        m_Dialogs.messageAnswers = {c.answer};
        if (c.answer == TMessageAnswer::Yes)
            m_Dialogs.saveFileAnswers = {c.saveAs.isEmpty() ? QString() : docPath(c.saveAs)};
        trigger("ActionFileNew");
        ASSERT_EQ(m_Dialogs.messages.size(), 1u) << c.reason;
        EXPECT_EQ(m_Dialogs.messages[0].text,
                  QStringLiteral("The document has been changed. \r\n Save changes?"));
        EXPECT_EQ(m_Dialogs.messages[0].caption, QStringLiteral(" Attention!"));
        EXPECT_EQ(m_Dialogs.messages[0].buttons, TMessageButtons::YesNoCancel);
        EXPECT_EQ(editorText() == QStringLiteral("q = 1;"), c.documentKept) << c.reason;
        editor().document()->setModified(false);
    }

    // Closing: Cancel keeps the window open.
    trigger("ActionFileNew");
    typeText(QStringLiteral("z"));
    m_Dialogs.messageAnswers = {TMessageAnswer::Cancel};
    EXPECT_FALSE(m_Window->close());
    EXPECT_TRUE(m_Window->isVisible());
    // The desktop's close of the window (its close button) while the close's own question
    // waits is refused, and the answer decides.
    CDialogSeams::install(nullptr);
    bool desktopCloseTaken = true;
    whenModal([&](QWidget* question) {
        QCloseEvent desktopClose;
        QCoreApplication::sendEvent(m_Window->windowHandle(), &desktopClose);
        desktopCloseTaken = desktopClose.isAccepted() || !question->isVisible();
        qobject_cast<QMessageBox*>(question)->button(QMessageBox::Cancel)->click();
    });
    EXPECT_FALSE(m_Window->close());
    EXPECT_FALSE(desktopCloseTaken);
    EXPECT_TRUE(m_Window->isVisible());
    EXPECT_EQ(editorText(), QStringLiteral("z"));
    CDialogSeams::install(&m_Dialogs);
    m_Dialogs.messageAnswers = {TMessageAnswer::No};
    EXPECT_TRUE(m_Window->close());
}

TEST_F(Documents, AModifiedEmptyEditorAsksNothing)
{
    openWindow();
    typeText(QStringLiteral("a"));
    QTest::keyClick(&editor(), Qt::Key_Backspace);
    ASSERT_TRUE(editor().document()->isModified());
    trigger("ActionFileNew");
    EXPECT_TRUE(m_Dialogs.messages.empty());
}

TEST_F(Documents, FailingSaveIsShownAndTheDocumentStaysModified)
{
    writeFile(docPath(QStringLiteral("plain.txt")), "not a folder");
    const QString targets[] = {
        docPath(QStringLiteral("no/such/folder/k.txt")), // a folder that does not exist
        docPath(QStringLiteral("plain.txt/k.txt")),      // a file where a folder should be
    };
    openWindow();
    typeText(QStringLiteral("k = 1;"));
    for (const QString& target : targets) {
        m_Dialogs.messages.clear();
        m_Dialogs.saveFileAnswers = {target};
        trigger("ActionFileSaveAs");
        ASSERT_EQ(m_Dialogs.messages.size(), 1u) << target.toStdString();
        EXPECT_TRUE(m_Dialogs.messages[0].text.startsWith(
            QStringLiteral("Error at writing of a file '") + target))
            << m_Dialogs.messages[0].text.toStdString();
        EXPECT_GT(m_Dialogs.messages[0].text.split(QLatin1Char('\n')).value(1).size(), 0)
            << "the reason follows";
        EXPECT_TRUE(editor().document()->isModified());
        EXPECT_TRUE(m_Window->windowTitle().endsWith(QLatin1Char('*')));
        EXPECT_FALSE(QFile::exists(target));
        EXPECT_TRUE(m_Window->getFileName().isEmpty())
            << "the document keeps no name it was not saved under";
    }
}

TEST_F(Documents, ReadOnlyFolderRefusesTheSave)
{
    if (!permissionsEnforced())
        GTEST_SKIP() << "running as root: a read-only folder can still be written";
    const QString folder = docPath(QStringLiteral("locked"));
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    openWindow();
    typeText(QStringLiteral("k = 1;"));
    m_Dialogs.saveFileAnswers.push_back(folder + QStringLiteral("/k.txt"));
    press(QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(m_Dialogs.messages.size(), 1u);
    EXPECT_TRUE(editor().document()->isModified());
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(Documents, OpeningFilesOfEveryKind)
{
    QByteArray binary;
    for (int i = 0; i < 256; ++i)
        binary.append(static_cast<char>(i));
    writeFile(docPath(QStringLiteral("binary.bin")), binary);
    writeFile(docPath(QStringLiteral("big.txt")), QByteArray(10 * 1024 * 1024, 'x'));
    writeFile(docPath(QStringLiteral("crlf.txt")), "a = 1;\r\nb = 2;\r\n");
    openWindow();

    m_Dialogs.openFileAnswers = {docPath(QStringLiteral("binary.bin"))};
    trigger("ActionFileOpen");
    EXPECT_EQ(m_Window->getFileName(), docPath(QStringLiteral("binary.bin")));
    EXPECT_FALSE(editor().document()->isModified());

    m_Dialogs.openFileAnswers = {docPath(QStringLiteral("big.txt"))};
    trigger("ActionFileOpen");
    EXPECT_EQ(editorText().size(), kEditorMaxChars) << "cut to the limit";
    ASSERT_FALSE(m_Dialogs.messages.empty());
    EXPECT_EQ(m_Dialogs.messages.back().caption, QStringLiteral(" Inserting of Text"));
    EXPECT_FALSE(editor().document()->isModified());

    m_Dialogs.openFileAnswers = {docPath(QStringLiteral("crlf.txt"))};
    trigger("ActionFileOpen");
    EXPECT_EQ(editorText(), QStringLiteral("a = 1;\nb = 2;\n"));
    EXPECT_EQ(m_Dialogs.openFileRequests.back().filters.first(),
              QStringLiteral("Ombrix files (*.ombx)"));
}

TEST_F(Documents, UnreadableFileIsShownAndNothingIsLost)
{
    if (!permissionsEnforced())
        GTEST_SKIP() << "running as root: every file can be read";
    writeFile(docPath(QStringLiteral("secret.txt")), "s = 1;");
    QFile::setPermissions(docPath(QStringLiteral("secret.txt")), QFileDevice::WriteOwner);
    openWindow();
    typeText(QStringLiteral("mine"));
    editor().document()->setModified(false);
    m_Dialogs.openFileAnswers = {docPath(QStringLiteral("secret.txt"))};
    trigger("ActionFileOpen");
    ASSERT_EQ(m_Dialogs.messages.size(), 1u);
    EXPECT_TRUE(
        m_Dialogs.messages[0].text.startsWith(QStringLiteral("Error at reading of a file")));
    EXPECT_EQ(editorText(), QStringLiteral("mine"));
}

TEST_F(Documents, PasteBeyondTheLimitKeepsWhatFitsOfTheInsertion)
{
    openWindow();
    const QString existing(kEditorMaxChars - 10, QLatin1Char('a'));
    editor().setPlainText(existing);
    QTest::keyClick(&editor(), Qt::Key_Home, Qt::ControlModifier);
    QApplication::clipboard()->setText(QString(25, QLatin1Char('b')));
    press(QKeySequence(Qt::CTRL | Qt::Key_V));
    EXPECT_EQ(editorText(), QString(10, QLatin1Char('b')) + existing)
        << "the user's own text is never cut";
    ASSERT_EQ(m_Dialogs.messages.size(), 1u);
    EXPECT_EQ(m_Dialogs.messages[0].text,
              QStringLiteral(
                  "The text very big.\r\nThis text will be cut down up to 64 000 symbols."));
}

TEST_F(Documents, DroppedPastedAndInputMethodTextIsHeldToTheLimit)
{
    // Offered as markdown first, as some programs drag text.
    auto drop = [this](const QString& text) {
        QMimeData data;
        data.setData(QStringLiteral("text/markdown"), text.toUtf8());
        data.setText(text);
        QWidget* target = editor().viewport();
        const QPointF at(1, 1);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
    };
    // A clipboard whose owner has quit hands over data without any format.
    auto pasteNothing = [this](const QString&) {
        QApplication::clipboard()->setMimeData(new QMimeData);
        press(QKeySequence(Qt::CTRL | Qt::Key_V));
    };
    auto commit = [this](const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(&editor(), &event);
    };
    struct TCase
    {
        const char* reason;
        std::function<void(const QString&)> insert;
        QString inserted;
        int selected; // characters of the existing text selected and replaced
        QString kept;
    };
    const QString b25(25, QLatin1Char('b'));
    const TCase cases[] = {
        {"dropped", drop, b25, 0, QString(10, QLatin1Char('b'))},
        {"committed by an input method", commit, b25, 0, QString(10, QLatin1Char('b'))},
        {"a commit in place of a selection", commit, b25, 5, QString(15, QLatin1Char('b'))},
        {"a line break weighs two", commit, QString(8, QLatin1Char('\n')), 0,
         QString(5, QLatin1Char('\n'))},
        {"a commit that fits", commit, QString(10, QLatin1Char('b')), 0,
         QString(10, QLatin1Char('b'))},
        {"data without formats pasted", pasteNothing, QString(), 0, QString()},
        {"markdown dropped as it is", drop, QStringLiteral("2 *3* 4"), 0,
         QStringLiteral("2 *3* 4")},
    };
    for (const TCase& c : cases) {
        openWindow();
        const QString existing(kEditorMaxChars - 10, QLatin1Char('a'));
        editor().setPlainText(existing);
        QTextCursor cursor = editor().textCursor();
        cursor.setPosition(0);
        cursor.setPosition(c.selected, QTextCursor::KeepAnchor);
        editor().setTextCursor(cursor);
        m_Dialogs.messages.clear();
        c.insert(c.inserted);
        EXPECT_EQ(editorText(), c.kept + existing.mid(c.selected)) << c.reason;
        const bool cut = c.kept.size() < c.inserted.size();
        ASSERT_EQ(m_Dialogs.messages.size(), cut ? 1u : 0u) << c.reason;
        if (cut) {
            EXPECT_EQ(m_Dialogs.messages[0].text,
                      QStringLiteral(
                          "The text very big.\r\nThis text will be cut down up to 64 000 symbols."))
                << c.reason;
        }
        editor().document()->setModified(false);
        m_Window->close();
        m_Window.reset();
    }
}

TEST_F(Documents, TypingIntoAFullEditor)
{
    struct TCase
    {
        const char* reason;
        QByteArray options;
        Qt::Key key;
        bool cutReported;
        bool focusKept;
    };
    const TCase cases[] = {
        {"a letter does not fit", "[Editor]\r\nUseTab=1\r\n", Qt::Key_A, true, true},
        {"a tab does not fit", "[Editor]\r\nUseTab=1\r\n", Qt::Key_Tab, true, true},
        {"a tab that moves the focus inserts nothing",
         "[Editor]\r\nUseTab=0\r\n[FormMain]\r\nShowWindowMessages=1\r\n", Qt::Key_Tab, false,
         false},
    };
    for (const TCase& c : cases) {
        writeIni(c.options);
        openWindow();
        const QString full(kEditorMaxChars, QLatin1Char('a'));
        editor().setPlainText(full);
        editor().setFocus();
        QApplication::setActiveWindow(m_Window.get());
        m_Dialogs.messages.clear();
        QTest::keyClick(&editor(), c.key);
        EXPECT_EQ(editorText(), full) << c.reason;
        EXPECT_EQ(m_Dialogs.messages.size(), c.cutReported ? 1u : 0u) << c.reason;
        EXPECT_EQ(editor().hasFocus(), c.focusKept) << c.reason;
        editor().document()->setModified(false);
        m_Window->close();
        m_Window.reset();
    }
}

TEST_F(Documents, RecentFilesListTheirEntriesAndForgetVanishedOnes)
{
    for (const char* name : {"one.txt", "two.txt"})
        writeFile(docPath(QLatin1String(name)), name);
    openWindow();
    auto* recent = m_Window->findChild<QMenu*>(QStringLiteral("MenuItemFileRecent"));
    m_Window->rebuildRecentMenu();
    ASSERT_EQ(recent->actions().size(), 1);
    EXPECT_EQ(recent->actions()[0]->text(), QStringLiteral("<There are no files>"));
    auto* fileMenu = m_Window->findChild<QMenu*>(QStringLiteral("MenuItemFile"));
    emit fileMenu->aboutToShow();
    EXPECT_FALSE(m_Window->findAction(QStringLiteral("ActionFileRecentClear"))->isEnabled());

    ASSERT_TRUE(m_Window->openFile(docPath(QStringLiteral("one.txt"))));
    ASSERT_TRUE(m_Window->openFile(docPath(QStringLiteral("two.txt"))));
    m_Window->rebuildRecentMenu();
    ASSERT_EQ(recent->actions().size(), 2);
    EXPECT_EQ(recent->actions()[0]->text(), docPath(QStringLiteral("two.txt")));
    emit fileMenu->aboutToShow();
    EXPECT_TRUE(m_Window->findAction(QStringLiteral("ActionFileRecentClear"))->isEnabled());

    QFile::remove(docPath(QStringLiteral("one.txt")));
    recent->actions()[1]->trigger();
    ASSERT_EQ(m_Dialogs.messages.size(), 1u);
    EXPECT_EQ(m_Dialogs.messages[0].text, QStringLiteral("The file '")
                                              + docPath(QStringLiteral("one.txt"))
                                              + QStringLiteral("' is not found."));
    EXPECT_EQ(m_Dialogs.messages[0].caption, QStringLiteral(" Search of a file"));
    m_Window->rebuildRecentMenu();
    EXPECT_EQ(recent->actions().size(), 1);

    m_Dialogs.messageAnswers = {TMessageAnswer::No};
    trigger("ActionFileRecentClear");
    EXPECT_EQ(m_Dialogs.messages.back().defaultAnswer, TMessageAnswer::No);
    m_Window->rebuildRecentMenu();
    EXPECT_EQ(recent->actions().size(), 1);
    m_Dialogs.messageAnswers = {TMessageAnswer::Yes};
    trigger("ActionFileRecentClear");
    m_Window->rebuildRecentMenu();
    EXPECT_EQ(recent->actions()[0]->text(), QStringLiteral("<There are no files>"));
}

TEST_F(Documents, BareNameOpensFromTheExecutableFolderWithItsFullPath)
{
    writeFile(binFolder() + QStringLiteral("/beside.txt"), "b = 1;");
    openWindow();
    ASSERT_TRUE(m_Window->openFile(QStringLiteral("beside.txt")));
    EXPECT_EQ(m_Window->getFileName(), binFolder() + QStringLiteral("/beside.txt"));
    EXPECT_FALSE(m_Window->openFile(QStringLiteral("nowhere.txt")));
    EXPECT_TRUE(m_Dialogs.messages.empty()) << "a missing document gives no message";
}

TEST_F(Documents, ANameThatIsNoTextOpensAndItsSaveAsksForAName)
{
    // As an archive from another system unpacks: bytes of another code page in the name.
    QByteArray name = QFile::encodeName(docsFolder())
                      + "/c\xff\xfe"
                        "d.txt";
    const int file = ::open(name.constData(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(file, 0);
    ASSERT_EQ(::write(file, "x = 1;", 6), 6);
    ::close(file);
    char program[] = "ombrix";
    char calc[] = "-calc";
    char* arguments[] = {program, calc, name.data()};
    const TStartRequests requests = startRequestsOf(3, arguments);
    EXPECT_TRUE(requests.calcOnStart);
    openWindow();
    ASSERT_TRUE(m_Window->openFile(requests.commandLineFile));
    EXPECT_EQ(editorText(), QStringLiteral("x = 1;"));
    EXPECT_EQ(m_Window->getFileName(), docsFolder() + QStringLiteral("/c\uFFFD\uFFFDd.txt"));

    m_Dialogs.saveFileAnswers = {QString()};
    editor().document()->setModified(true);
    press(QKeySequence(Qt::CTRL | Qt::Key_S));
    ASSERT_EQ(m_Dialogs.saveFileRequests.size(), 1u);
    EXPECT_EQ(m_Dialogs.saveFileRequests[0].fileName, QStringLiteral("c\uFFFD\uFFFDd.txt"));
    EXPECT_TRUE(m_Dialogs.messages.empty());
    // The list keeps the name by its bytes, shows it, and opens the same file again.
    editor().document()->setModified(false);
    m_Window->close();
    openWindow().rebuildRecentMenu();
    EXPECT_TRUE(m_Window->findChild<QMenu*>(QStringLiteral("MenuItemFileRecent"))
                    ->actions()[0]
                    ->text()
                    .endsWith(QStringLiteral("/c\uFFFD\uFFFDd.txt")));
    m_Window->openRecentFile(0);
    EXPECT_EQ(editorText(), QStringLiteral("x = 1;"));
    // The temporary folder is removed by names of text.
    ::unlink(name.constData());
}

TEST_F(Documents, AFolderIsNoDocument)
{
    QDir().mkpath(docPath(QStringLiteral("folder.txt")));
    QDir().mkpath(binFolder() + QStringLiteral("/beside"));
    openWindow();
    EXPECT_FALSE(m_Window->openFile(docPath(QStringLiteral("folder.txt"))));
    EXPECT_FALSE(m_Window->openFile(QStringLiteral("beside"))) << "nor one beside the program";
    EXPECT_TRUE(m_Dialogs.messages.empty()) << "not found, as a missing file: no message";
    EXPECT_TRUE(m_Window->getFileName().isEmpty());

    // Chosen in the open dialog, it cannot be read.
    typeText(QStringLiteral("mine"));
    editor().document()->setModified(false);
    m_Dialogs.openFileAnswers = {docPath(QStringLiteral("folder.txt"))};
    trigger("ActionFileOpen");
    ASSERT_EQ(m_Dialogs.messages.size(), 1u);
    const QStringList lines = m_Dialogs.messages[0].text.split(QLatin1Char('\n'));
    EXPECT_EQ(lines.value(0), QStringLiteral("Error at reading of a file '")
                                  + docPath(QStringLiteral("folder.txt")) + QStringLiteral("'."));
    EXPECT_FALSE(lines.value(1).isEmpty()) << "the reason follows";
    EXPECT_EQ(editorText(), QStringLiteral("mine"));
    EXPECT_TRUE(m_Window->getFileName().isEmpty());
    m_Dialogs.messages.clear();

    // A recent file that became a folder is not found and leaves the list.
    writeFile(docPath(QStringLiteral("later.txt")), "l = 1;");
    ASSERT_TRUE(m_Window->openFile(docPath(QStringLiteral("later.txt"))));
    QFile::remove(docPath(QStringLiteral("later.txt")));
    QDir().mkpath(docPath(QStringLiteral("later.txt")));
    m_Window->openRecentFile(0);
    ASSERT_EQ(m_Dialogs.messages.size(), 1u);
    EXPECT_EQ(m_Dialogs.messages[0].caption, QStringLiteral(" Search of a file"));
    m_Window->rebuildRecentMenu();
    auto* recent = m_Window->findChild<QMenu*>(QStringLiteral("MenuItemFileRecent"));
    ASSERT_EQ(recent->actions().size(), 1);
    EXPECT_EQ(recent->actions()[0]->data().toInt(), -1) << "the list is empty";
}

TEST_F(Documents, AHugeFileOpensCutAndIsReplacedOnlyThroughTheSaveDialog)
{
    // Sparse: only the first line takes room on the disk; the rest reads as NUL bytes.
    const QString name = docPath(QStringLiteral("huge.txt"));
    const qint64 size = qint64(3) << 30;
    writeFile(name, "first = 1;\r\n");
    ASSERT_TRUE(QFile::resize(name, size));
    openWindow();
    ASSERT_TRUE(m_Window->openFile(name));
    EXPECT_EQ(editorText().size(), kEditorMaxChars - 1) << "the line break counts twice";
    EXPECT_TRUE(editorText().startsWith(QStringLiteral("first = 1;\n")));
    ASSERT_EQ(m_Dialogs.messages.size(), 2u);
    EXPECT_EQ(m_Dialogs.messages[0].text,
              QStringLiteral(
                  "The text very big.\r\nThis text will be cut down up to 64 000 symbols."));
    EXPECT_EQ(m_Dialogs.messages[1].text, getNameResource(TTextId::ChangedBySaving)) << "NUL bytes";
    EXPECT_EQ(m_Window->getFileName(), name) << "the name is kept";

    struct TStep
    {
        const char* reason;
        QString answer; // of the save dialog; empty cancels
        bool dialogShown;
        qint64 sizeAfter;
    };
    const qint64 cutSize = kEditorMaxChars; // NUL bytes saved as blanks, the line break as CR LF
    const TStep steps[] = {
        {"the first save asks; cancelled, the file is whole", QString(), true, size},
        {"asked again, the name accepted: replaced", name, true, cutSize},
        {"then saved as any document", QString(), false, cutSize},
    };
    for (const TStep& step : steps) {
        const size_t asked = m_Dialogs.saveFileRequests.size();
        m_Dialogs.saveFileAnswers = {step.answer};
        editor().document()->setModified(true);
        press(QKeySequence(Qt::CTRL | Qt::Key_S));
        EXPECT_EQ(m_Dialogs.saveFileRequests.size() - asked, step.dialogShown ? 1u : 0u)
            << step.reason;
        if (step.dialogShown) {
            EXPECT_EQ(m_Dialogs.saveFileRequests.back().fileName, QStringLiteral("huge.txt"))
                << step.reason;
            EXPECT_EQ(m_Dialogs.saveFileRequests.back().folder, docsFolder()) << step.reason;
        }
        EXPECT_EQ(QFileInfo(name).size(), step.sizeAfter) << step.reason;
    }
}

TEST_F(Documents, BytesThatSavingWouldChangeAreToldAtOpening)
{
    struct TCase
    {
        const char* reason;
        QByteArray bytes;
        bool told;
    };
    const TCase cases[] = {
        {"NUL in a cp1251 document", QByteArray("a\0b", 3), true},
        {"an odd byte after UTF-16 text",
         QByteArray("\xFF\xFE"
                    "a\0b",
                    5),
         true},
        {"NUL in a UTF-8 document is kept", QByteArray("\0\xD0\x9F", 3), false},
    };
    openWindow();
    int index = 0;
    for (const TCase& c : cases) {
        const QString name = docPath(QStringLiteral("bytes%1.txt").arg(index++));
        writeFile(name, c.bytes);
        m_Dialogs.messages.clear();
        m_Dialogs.openFileAnswers = {name};
        trigger("ActionFileOpen");
        EXPECT_EQ(m_Window->getFileName(), name) << c.reason;
        ASSERT_EQ(m_Dialogs.messages.size(), c.told ? 1u : 0u) << c.reason;
        if (c.told) {
            EXPECT_EQ(m_Dialogs.messages[0].text, getNameResource(TTextId::ChangedBySaving))
                << c.reason;
        }
    }
}

TEST_F(Documents, PipesAndDevicesAreNoDocumentsAndFailuresAreLogged)
{
    const QString pipe = docPath(QStringLiteral("pipe.txt"));
    const QString zero = docPath(QStringLiteral("zero.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    writeIni("[FormMain]\r\nWriteLogs=1\r\nUseRegister=0\r\n");
    openWindow();
    for (const QString& name : {pipe, zero}) {
        // From the command line: not found, no message, nothing waits.
        m_Dialogs.messages.clear();
        EXPECT_FALSE(m_Window->openFile(name));
        EXPECT_TRUE(m_Dialogs.messages.empty());

        // Chosen in the open dialog: it cannot be read, and the editor keeps the user's text.
        editor().setPlainText(QStringLiteral("mine"));
        editor().document()->setModified(false);
        m_Dialogs.openFileAnswers = {name};
        trigger("ActionFileOpen");
        ASSERT_EQ(m_Dialogs.messages.size(), 1u);
        const QStringList lines = m_Dialogs.messages[0].text.split(QLatin1Char('\n'));
        EXPECT_EQ(lines.value(0),
                  QStringLiteral("Error at reading of a file '") + name + QStringLiteral("'."));
        EXPECT_FALSE(lines.value(1).isEmpty()) << "the reason follows";
        EXPECT_EQ(editorText(), QStringLiteral("mine"));
    }
    // Save failures are logged the same way.
    m_Dialogs.saveFileAnswers = {docPath(QStringLiteral("no/such/folder/k.txt"))};
    trigger("ActionFileSaveAs");
    EXPECT_TRUE(
        m_Dialogs.messages.back().text.endsWith(QStringLiteral("'.\n") + systemReason(ENOENT)));
    m_Window->close();
    m_Window.reset();
    const QByteArray log = readFile(binFolder() + QStringLiteral("/ombrix.log"));
    EXPECT_EQ(
        log.count(
            "[system error] [TFormMain::FileOpen] The error at executing of operation 'FileOpen'."),
        2)
        << log.toStdString();
    EXPECT_EQ(
        log.count(
            "[system error] [TFormMain::FileSaveAs] The error at executing of operation 'FileSaveAs'."),
        1);
}

} // namespace
