#include "app/UnFormSelectVariable.h"

#include "app/Actionitems.h"
#include "app/Applimits.h"
#include "app/Appresources.h"
#include "app/Cp1251.h"
#include "app/Nameresources.h"
#include "app/Stylespacing.h"
#include "framework/Dialogseams.h"
#include "framework/Handlerguard.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// The item keeps the name exactly as the interpreter gave it; its text is only for reading.
constexpr int kNameRole = Qt::UserRole;

} // namespace

TFormSelectVariable::TFormSelectVariable(QWidget* owner)
    : TFormSecondary(owner)
    , m_ZoomCommands(this)
{
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setMinimumSize(kSelectVariableMinWidth, kSelectVariableMinHeight);
    resize(kSelectVariableWidth, kSelectVariableHeight);
    createActions();
    createControls();
    setCaptions();
}

void TFormSelectVariable::SetZoomIndex(int index)
{
    m_ZoomCommands.zoom().setIndex(index);
}

int TFormSelectVariable::GetZoomIndex() const
{
    return m_ZoomCommands.zoom().getIndex();
}

void TFormSelectVariable::Clear()
{
    m_CheckListBox->clear();
}

void TFormSelectVariable::AddVariable(const QByteArray& name)
{
    auto* item = new QListWidgetItem(fromCp1251(name), m_CheckListBox);
    item->setData(kNameRole, name);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
}

int TFormSelectVariable::GetCount() const
{
    return m_CheckListBox->count();
}

bool TFormSelectVariable::GetVariable(int index, QByteArray& name, bool& ticked) const
{
    const QListWidgetItem* item = m_CheckListBox->item(index);
    if (item == nullptr)
        return false;
    name = item->data(kNameRole).toByteArray();
    ticked = item->checkState() == Qt::Checked;
    return true;
}

void TFormSelectVariable::formShow()
{
    CHandlerGuard::run("TFormSelectVariable::FormShow", [this] {
        setCaptions();
        m_ZoomCommands.applyDefaultFont();
        // The names are what the keys choose among, at every showing.
        m_CheckListBox->setFocus(Qt::TabFocusReason);
    });
}

void TFormSelectVariable::createActions()
{
    m_ActionCalculate = addGuardedAction(this, "ActionCalculate", QKeySequence(),
                                         [this] { calculate(); });
    m_ActionExit = addGuardedAction(this, "ActionExit", QKeySequence(Qt::Key_Escape),
                                    [this] { reject(); });
    m_ActionCalculate->setIcon(appIcon(QStringLiteral("calculate")));
}

void TFormSelectVariable::createControls()
{
    auto* mainMenu = new QMenuBar(this);
    m_MenuItemFile = mainMenu->addMenu(QString());
    m_MenuItemFile->setObjectName(QStringLiteral("MenuItemFile"));
    addMenuItem(m_MenuItemFile, m_ActionCalculate, "MenuItemFileCalc");
    m_MenuItemFile->addSeparator();
    addMenuItem(m_MenuItemFile, m_ActionExit, "MenuItemFileExit");
    m_MenuItemView = mainMenu->addMenu(QString());
    m_MenuItemView->setObjectName(QStringLiteral("MenuItemView"));
    m_ZoomCommands.addMenuItems(m_MenuItemView, "MenuItemView");

    m_PopupMenu = new QMenu(this);
    m_PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    m_ZoomCommands.addMenuItems(m_PopupMenu, "MenuItem");

    auto* toolBarMain = new QToolBar(this);
    toolBarMain->setObjectName(QStringLiteral("ToolBarMain"));
    toolBarMain->setIconSize(QSize(kToolBarIconSize, kToolBarIconSize));
    m_ZoomCommands.addToolButtons(toolBarMain);

    auto* panelContentTop = new QWidget(this);
    panelContentTop->setObjectName(QStringLiteral("PanelContentTop"));
    m_LabelNameVariables = new QLabel(panelContentTop);
    m_LabelNameVariables->setObjectName(QStringLiteral("LabelNameVariables"));
    auto* topLayout = new QHBoxLayout(panelContentTop);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(m_LabelNameVariables);

    m_CheckListBox = new QListWidget(this);
    m_CheckListBox->setObjectName(QStringLiteral("CheckListBox"));
    m_CheckListBox->setContextMenuPolicy(Qt::CustomContextMenu);
    m_ZoomCommands.setTextWidget(m_CheckListBox);
    connect(m_CheckListBox, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& place) {
                CHandlerGuard::run("TFormSelectVariable::CheckListBoxContextPopup", [this, place] {
                    m_PopupMenu->popup(m_CheckListBox->viewport()->mapToGlobal(place));
                });
            });
    m_LabelNameVariables->setBuddy(m_CheckListBox);

    m_ButtonOk = new QPushButton(this);
    m_ButtonOk->setObjectName(QStringLiteral("ButtonOk"));
    m_ButtonOk->setDefault(true);
    connect(m_ButtonOk, &QPushButton::clicked, m_ActionCalculate, &QAction::trigger);
    m_ButtonCancel = new QPushButton(this);
    m_ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    connect(m_ButtonCancel, &QPushButton::clicked, m_ActionExit, &QAction::trigger);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(m_ButtonOk);
    buttons->addWidget(m_ButtonCancel);

    auto* content = new QVBoxLayout();
    // The margins of the other dialogs; less above, where the tool bar already keeps a distance.
    const int margin = style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
    content->setContentsMargins(margin, margin / 2, margin, margin);
    content->addWidget(panelContentTop);
    content->addWidget(m_CheckListBox, 1);
    content->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(mainMenu);
    layout->addWidget(toolBarMain);
    layout->addWidget(makeStyleSpacedPanel(content, this), 1);
}

void TFormSelectVariable::setCaptions()
{
    setWindowTitle(blankCaption(TTextId::WhatToCalculate));
    m_LabelNameVariables->setText(labelCaption(TTextId::CalculatedVariables));
    m_MenuItemFile->setTitle(getNameResource(TTextId::MenuFile));
    m_MenuItemView->setTitle(getNameResource(TTextId::MenuView));
    m_ActionCalculate->setText(getNameResource(TTextId::Calculate));
    m_ActionExit->setText(getNameResource(TTextId::Exit));
    m_ZoomCommands.setCaptions();
    m_ButtonOk->setText(m_ActionCalculate->text());
    m_ButtonCancel->setText(m_ActionExit->text());
}

void TFormSelectVariable::calculate()
{
    // An empty list is no refusal: there is simply nothing to choose.
    bool chosen = GetCount() == 0;
    for (int i = 0; i < GetCount() && !chosen; ++i)
        chosen = m_CheckListBox->item(i)->checkState() == Qt::Checked;
    if (!chosen) {
        showInformation(this, getNameResource(TTextId::VariablesNotChosen),
                        blankCaption(TTextId::Calculation));
        return;
    }
    accept();
}
