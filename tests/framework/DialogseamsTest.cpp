#include "framework/Dialogseams.h"

#include "tests/support/Scripteddialogs.h"

#include <QWidget>

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

} // namespace
