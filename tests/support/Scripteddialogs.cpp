#include "tests/support/Scripteddialogs.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

TMessageAnswer CScriptedDialogs::showMessage(QWidget*, const QString& text, const QString& caption,
                                             TMessageIcon icon, TMessageButtons buttons,
                                             TMessageAnswer defaultAnswer)
{
    messages.push_back({text, caption, icon, buttons, defaultAnswer});
    if (messageAnswers.empty())
        return buttons == TMessageButtons::Ok ? TMessageAnswer::Ok : defaultAnswer;
    const TMessageAnswer answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

QString CScriptedDialogs::chooseOpenFile(QWidget*, const TFileDialogRequest& request)
{
    openFileRequests.push_back(request);
    if (openFileAnswers.empty())
        return {};
    const QString answer = openFileAnswers.front();
    openFileAnswers.pop_front();
    return answer;
}

QString CScriptedDialogs::chooseSaveFile(QWidget*, const TFileDialogRequest& request)
{
    saveFileRequests.push_back(request);
    if (saveFileAnswers.empty())
        return {};
    const QString answer = saveFileAnswers.front();
    saveFileAnswers.pop_front();
    return answer;
}

bool CScriptedDialogs::chooseColor(QWidget*, TColor& color)
{
    colorRequests.push_back(color);
    if (colorAnswers.empty())
        return false;
    color = colorAnswers.front();
    colorAnswers.pop_front();
    return true;
}

bool CScriptedDialogs::openWithDesktop(const QUrl& address)
{
    openedAddresses.push_back(address);
    return desktopOpens;
}

void CWindowTest::SetUp()
{
    CIsolatedSettingsTest::SetUp();
    CDialogSeams::install(&m_Dialogs);
    // As in a process of its own: what another test copied must not pass for this one's copy.
    QGuiApplication::clipboard()->clear();
}

void CWindowTest::TearDown()
{
    CDialogSeams::install(nullptr);
    CIsolatedSettingsTest::TearDown();
}

void CWindowTest::expectTheFocusShows(QAbstractScrollArea* area,
                                      const std::function<void()>& giveFocus)
{
    const QImage withoutFocus = area->viewport()->grab().toImage();
    giveFocus();
    ASSERT_TRUE(area->hasFocus());
    EXPECT_NE(area->viewport()->grab().toImage(), withoutFocus);
}
