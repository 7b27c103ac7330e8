#pragma once

#include "framework/Dialogseams.h"
#include "tests/support/Isolatedsettings.h"

#include <QAbstractScrollArea>

#include <deque>
#include <functional>
#include <vector>

// Answers the program's dialogs from a script instead of asking anybody, and records every
// question. A question with no scripted answer gets Cancel (or the default answer of a
// message box), so an unplanned dialog never blocks a test.
class CScriptedDialogs : public CDialogSeams
{
public:
    struct TMessage
    {
        QString text;
        QString caption;
        TMessageIcon icon;
        TMessageButtons buttons;
        TMessageAnswer defaultAnswer;
    };

    TMessageAnswer showMessage(QWidget* parent, const QString& text, const QString& caption,
                               TMessageIcon icon, TMessageButtons buttons,
                               TMessageAnswer defaultAnswer) override;
    QString chooseOpenFile(QWidget* parent, const TFileDialogRequest& request) override;
    QString chooseSaveFile(QWidget* parent, const TFileDialogRequest& request) override;
    bool chooseColor(QWidget* parent, TColor& color) override;
    bool openWithDesktop(const QUrl& address) override;

    // Scripted answers, used in order.
    std::deque<TMessageAnswer> messageAnswers;
    std::deque<QString> openFileAnswers; // an empty name cancels
    std::deque<QString> saveFileAnswers; // an empty name cancels
    std::deque<TColor> colorAnswers;     // none left: cancelled
    bool desktopOpens = true;

    // What was asked.
    std::vector<TMessage> messages;
    std::vector<TFileDialogRequest> openFileRequests;
    std::vector<TFileDialogRequest> saveFileRequests;
    std::vector<TColor> colorRequests;
    std::vector<QUrl> openedAddresses;
};

// A window test: the user's settings in a temporary folder and the dialogs scripted.
class CWindowTest : public CIsolatedSettingsTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A text area that takes the focus by giveFocus shows it: its picture changes.
    static void expectTheFocusShows(QAbstractScrollArea* area,
                                    const std::function<void()>& giveFocus);

    CScriptedDialogs m_Dialogs;
};
