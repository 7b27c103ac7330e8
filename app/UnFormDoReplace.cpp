#include "app/UnFormDoReplace.h"

#include "app/Editdialogs.h"
#include "app/Nameresources.h"
#include "framework/Handlerguard.h"
#include "framework/UnFormMainBaseImpl.h"

#include <QAction>
#include <QHBoxLayout>
#include <QPushButton>

namespace {

// A button of the row and the action it stands for.
template <class THandler>
QPushButton* addActionButton(TFormDoReplace* dialog, QHBoxLayout* row, const char* buttonName,
                             const char* actionName, THandler handler)
{
    auto* button = new QPushButton(dialog);
    button->setObjectName(QLatin1String(buttonName));
    row->addWidget(button);
    auto* action = new QAction(dialog);
    action->setObjectName(QLatin1String(actionName));
    dialog->addAction(action);
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::triggered, dialog, handler);
    return button;
}

} // namespace

TFormDoReplace::TFormDoReplace(QWidget* owner)
    : TFormSecondary(owner)
{
    auto* row = new QHBoxLayout(this);
    m_ButtonFindNext = addActionButton(this, row, "ButtonFindNext", "ActionReplaceFindNext",
                                       &TFormDoReplace::actionReplaceFindNextExecute);
    m_ButtonReplace = addActionButton(this, row, "ButtonReplace", "ActionReplaceOne",
                                      &TFormDoReplace::actionReplaceOneExecute);
    m_ButtonReplaceAll = addActionButton(this, row, "ButtonReplaceAll", "ActionReplaceAll",
                                         &TFormDoReplace::actionReplaceAllExecute);
    m_ButtonLast = addActionButton(this, row, "ButtonLast", "ActionReplaceLast",
                                   &TFormDoReplace::actionReplaceLastExecute);
    m_ButtonCancel = addActionButton(this, row, "ButtonCancel", "ActionReplaceCancel",
                                     &TFormDoReplace::actionReplaceCancelExecute);
    setEditDialogStyle(this);
}

void TFormDoReplace::setTexts(const QString& text, const QString& replacement, bool matchCase)
{
    m_Text = text;
    m_Replacement = replacement;
    m_MatchCase = matchCase;
}

void TFormDoReplace::formShow()
{
    CHandlerGuard::run("TFormDoReplace::FormShow", [this] {
        setWindowTitle(blankCaption(TTextId::Replace));
        m_ButtonFindNext->setText(getNameResource(TTextId::FindNext));
        m_ButtonReplace->setText(getNameResource(TTextId::Replace));
        m_ButtonReplaceAll->setText(getNameResource(TTextId::ReplaceAll));
        m_ButtonLast->setText(getNameResource(TTextId::ReplaceLast));
        m_ButtonCancel->setText(getNameResource(TTextId::Cancel));
        fitToCaptions(this);
    });
}

bool TFormDoReplace::hasTexts() const
{
    return !m_Text.isEmpty() && !m_Replacement.isEmpty();
}

void TFormDoReplace::actionReplaceFindNextExecute()
{
    CHandlerGuard::run("TFormDoReplace::ActionReplaceFindNextExecute", [this] {
        TFormMainBaseImpl* main = getMainForm();
        if (hasTexts() && main != nullptr)
            main->findForReplace(m_Text, m_Replacement, m_MatchCase);
    });
}

void TFormDoReplace::actionReplaceOneExecute()
{
    CHandlerGuard::run("TFormDoReplace::ActionReplaceOneExecute", [this] {
        TFormMainBaseImpl* main = getMainForm();
        if (hasTexts() && main != nullptr)
            main->replaceCurrent(m_Text, m_Replacement, m_MatchCase);
    });
}

void TFormDoReplace::actionReplaceAllExecute()
{
    CHandlerGuard::run("TFormDoReplace::ActionReplaceAllExecute", [this] {
        if (!hasTexts())
            return;
        if (TFormMainBaseImpl* main = getMainForm())
            main->replaceAll(m_Text, m_Replacement, m_MatchCase);
        close();
    });
}

void TFormDoReplace::actionReplaceLastExecute()
{
    CHandlerGuard::run("TFormDoReplace::ActionReplaceLastExecute", [this] {
        if (!hasTexts())
            return;
        if (TFormMainBaseImpl* main = getMainForm())
            main->replaceCurrent(m_Text, m_Replacement, m_MatchCase);
        close();
    });
}

void TFormDoReplace::actionReplaceCancelExecute()
{
    CHandlerGuard::run("TFormDoReplace::ActionReplaceCancelExecute", [this] {
        if (TFormMainBaseImpl* main = getMainForm())
            main->resetReplace();
        close();
    });
}
