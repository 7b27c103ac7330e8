#include "app/UnFormFindText.h"

#include "app/Applimits.h"
#include "app/Dialogpicture.h"
#include "app/Editdialogs.h"
#include "app/Nameresources.h"
#include "framework/Handlerguard.h"
#include "framework/UnFormMainBaseImpl.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

TFormFindText::TFormFindText(QWidget* owner)
    : TFormSecondary(owner)
{
    m_LabelFind = new QLabel(this);
    m_LabelFind->setObjectName(QStringLiteral("LabelFind"));
    m_ComboBoxFind = createHistoryCombo(QStringLiteral("ComboBoxFind"), this);
    m_ComboBoxFind->setMinimumWidth(kSearchFieldWidth);
    m_CheckBoxMatchCase = new QCheckBox(this);
    m_CheckBoxMatchCase->setObjectName(QStringLiteral("CheckBoxMatchCase"));
    m_CheckBoxMatchCase->setChecked(true);
    m_ButtonOk = new QPushButton(this);
    m_ButtonOk->setObjectName(QStringLiteral("ButtonOk"));
    m_ButtonOk->setDefault(true);
    m_ButtonCancel = new QPushButton(this);
    m_ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));

    auto* grid = new QGridLayout;
    grid->addWidget(m_LabelFind, 0, 0);
    grid->addWidget(m_ComboBoxFind, 1, 0);
    grid->addWidget(m_ButtonOk, 1, 1);
    grid->addWidget(m_CheckBoxMatchCase, 2, 0);
    grid->addWidget(m_ButtonCancel, 2, 1);
    setPictureLayout(this, TDialogPicture::Find, grid, QStringLiteral("PanelLeft"),
                     QStringLiteral("ImageLeft"));
    setEditDialogStyle(this);

    m_ActionEditPaste = addPasteAction(this, {m_ComboBoxFind});
    connect(m_ActionEditPaste, &QAction::triggered, this, &TFormFindText::actionEditPasteExecute);
    connect(m_ButtonOk, &QPushButton::clicked, this, &TFormFindText::buttonOkClick);
    connect(m_ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormFindText::setFindText(const QString& text)
{
    m_ComboBoxFind->setEditText(text);
}

bool TFormFindText::getMatchCase() const
{
    return m_CheckBoxMatchCase->isChecked();
}

QString TFormFindText::getLastSearchText() const
{
    return m_ComboBoxFind->count() > 0 ? m_ComboBoxFind->itemText(0) : QString();
}

void TFormFindText::findNext()
{
    const QString text = m_ComboBoxFind->currentText();
    if (text.isEmpty())
        return;
    const bool matchCase = getMatchCase();
    addToHistory(text, matchCase);
    if (TFormMainBaseImpl* main = getMainForm())
        main->findText(text, matchCase);
}

void TFormFindText::addToHistory(const QString& text, bool matchCase)
{
    addToHistoryCombo(m_History, m_ComboBoxFind, text, matchCase);
}

void TFormFindText::formShow()
{
    CHandlerGuard::run("TFormFindText::FormShow", [this] {
        setWindowTitle(blankCaption(TTextId::Find));
        m_LabelFind->setText(labelCaption(TTextId::FindWhat));
        m_CheckBoxMatchCase->setText(blankCaption(TTextId::MatchCase));
        m_ButtonOk->setText(getNameResource(TTextId::FindNext));
        m_ButtonCancel->setText(getNameResource(TTextId::Cancel));
        m_ComboBoxFind->setFocus();
        fitToCaptions(this);
    });
}

void TFormFindText::formClose()
{
    CHandlerGuard::run("TFormFindText::FormClose", [this] {
        if (TFormMainBaseImpl* main = getMainForm())
            main->resetSearch();
    });
}

void TFormFindText::changeEvent(QEvent* event)
{
    TFormSecondary::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    CHandlerGuard::run("TFormFindText::FormActivate", [this] {
        if (isActiveWindow())
            m_ComboBoxFind->setFocus();
    });
}

void TFormFindText::buttonOkClick()
{
    CHandlerGuard::run("TFormFindText::ButtonOkClick", [this] { findNext(); });
}

void TFormFindText::actionEditPasteExecute()
{
    CHandlerGuard::run("TFormFindText::ActionEditPasteExecute", [this] {
        if (m_ComboBoxFind->hasFocus())
            addToHistory(insertAtCaret(m_ComboBoxFind, clipboardText()), getMatchCase());
    });
}
