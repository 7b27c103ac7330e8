#include "app/UnFormReplaceText.h"

#include "app/Applimits.h"
#include "app/Dialogpicture.h"
#include "app/Editdialogs.h"
#include "app/Nameresources.h"
#include "framework/Handlerguard.h"
#include "framework/UnFormMainBaseImpl.h"
#include "framework/Windowplace.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

TFormReplaceText::TFormReplaceText(QWidget* owner)
    : TFormSecondary(owner)
{
    m_LabelFind = new QLabel(this);
    m_LabelFind->setObjectName(QStringLiteral("LabelFind"));
    m_ComboBoxFind = createHistoryCombo(QStringLiteral("ComboBoxFind"), this);
    m_ComboBoxFind->setMinimumWidth(kSearchFieldWidth);
    m_LabelReplace = new QLabel(this);
    m_LabelReplace->setObjectName(QStringLiteral("LabelReplace"));
    m_ComboBoxReplace = createHistoryCombo(QStringLiteral("ComboBoxReplace"), this);
    m_ComboBoxReplace->setMinimumWidth(kSearchFieldWidth);
    m_CheckBoxMatchCase = new QCheckBox(this);
    m_CheckBoxMatchCase->setObjectName(QStringLiteral("CheckBoxMatchCase"));
    m_CheckBoxMatchCase->setChecked(true);
    m_ButtonReplace = new QPushButton(this);
    m_ButtonReplace->setObjectName(QStringLiteral("ButtonReplace"));
    m_ButtonReplace->setDefault(true);
    m_ButtonReplaceAll = new QPushButton(this);
    m_ButtonReplaceAll->setObjectName(QStringLiteral("ButtonReplaceAll"));
    m_ButtonCancel = new QPushButton(this);
    m_ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));

    auto* grid = new QGridLayout;
    grid->addWidget(m_LabelFind, 0, 0);
    grid->addWidget(m_ComboBoxFind, 1, 0);
    grid->addWidget(m_ButtonReplace, 1, 1);
    // Next to its field, not centred on the button beside it.
    grid->addWidget(m_LabelReplace, 2, 0, Qt::AlignBottom);
    grid->addWidget(m_ButtonReplaceAll, 2, 1);
    grid->addWidget(m_ComboBoxReplace, 3, 0);
    grid->addWidget(m_ButtonCancel, 3, 1);
    grid->addWidget(m_CheckBoxMatchCase, 4, 0);
    setPictureLayout(this, TDialogPicture::Replace, grid, QStringLiteral("PanelLeft"),
                     QStringLiteral("ImageLeft"));
    setEditDialogStyle(this);

    m_ActionEditPaste = addPasteAction(this, {m_ComboBoxFind, m_ComboBoxReplace});
    connect(m_ActionEditPaste, &QAction::triggered, this,
            &TFormReplaceText::actionEditPasteExecute);
    connect(m_ButtonReplace, &QPushButton::clicked, this, &TFormReplaceText::buttonReplaceClick);
    connect(m_ButtonReplaceAll, &QPushButton::clicked, this,
            &TFormReplaceText::buttonReplaceAllClick);
    connect(m_ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormReplaceText::setFindText(const QString& text)
{
    m_ComboBoxFind->setEditText(text);
}

bool TFormReplaceText::getMatchCase() const
{
    return m_CheckBoxMatchCase->isChecked();
}

void TFormReplaceText::addToFindHistory(const QString& text, bool matchCase)
{
    addToHistoryCombo(m_FindHistory, m_ComboBoxFind, text, matchCase);
}

void TFormReplaceText::addToReplaceHistory(const QString& text, bool matchCase)
{
    addToHistoryCombo(m_ReplaceHistory, m_ComboBoxReplace, text, matchCase);
}

void TFormReplaceText::formShow()
{
    CHandlerGuard::run("TFormReplaceText::FormShow", [this] {
        setWindowTitle(blankCaption(TTextId::Replace));
        m_LabelFind->setText(labelCaption(TTextId::FindWhat));
        m_LabelReplace->setText(labelCaption(TTextId::ReplaceWith));
        m_CheckBoxMatchCase->setText(blankCaption(TTextId::MatchCase));
        m_ButtonReplace->setText(getNameResource(TTextId::StartReplace));
        m_ButtonReplaceAll->setText(getNameResource(TTextId::ReplaceAll));
        m_ButtonCancel->setText(getNameResource(TTextId::Cancel));
        m_ComboBoxFind->setFocus();
        fitToCaptions(this);
        windowPlace().centreOnScreen();
    });
}

void TFormReplaceText::replace(TReplaceMode mode)
{
    const QString text = m_ComboBoxFind->currentText();
    const QString replacement = m_ComboBoxReplace->currentText();
    // A text cannot be replaced by nothing.
    if (text.isEmpty() || replacement.isEmpty())
        return;
    const bool matchCase = getMatchCase();
    addToFindHistory(text, matchCase);
    addToReplaceHistory(replacement, matchCase);
    TFormMainBaseImpl* main = getMainForm();
    if (main == nullptr)
        return;
    if (mode == TReplaceMode::WithPrompt)
        main->replaceWithPrompt(text, replacement, matchCase);
    else
        main->replaceAll(text, replacement, matchCase);
}

void TFormReplaceText::buttonReplaceClick()
{
    CHandlerGuard::run("TFormReplaceText::ButtonReplaceClick",
                       [this] { replace(TReplaceMode::WithPrompt); });
}

void TFormReplaceText::buttonReplaceAllClick()
{
    CHandlerGuard::run("TFormReplaceText::ButtonReplaceAllClick",
                       [this] { replace(TReplaceMode::All); });
}

void TFormReplaceText::actionEditPasteExecute()
{
    CHandlerGuard::run("TFormReplaceText::ActionEditPasteExecute", [this] {
        const QString clipboard = clipboardText();
        if (m_ComboBoxFind->hasFocus())
            addToFindHistory(insertAtCaret(m_ComboBoxFind, clipboard), getMatchCase());
        else if (m_ComboBoxReplace->hasFocus())
            addToReplaceHistory(insertAtCaret(m_ComboBoxReplace, clipboard), getMatchCase());
    });
}
