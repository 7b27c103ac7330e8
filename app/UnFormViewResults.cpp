#include "app/UnFormViewResults.h"

#include "app/Actionitems.h"
#include "app/Applimits.h"
#include "app/Appresources.h"
#include "app/Fonts.h"
#include "app/Nameresources.h"
#include "app/Placement.h"
#include "framework/Dialogseams.h"
#include "framework/Filelog.h"
#include "framework/Handlerguard.h"
#include "framework/UnFormMainBaseImpl.h"
#include "framework/Windowplace.h"
#include "platform/Atomicfile.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

#include <utility>

namespace {

// The lines of the text each ended by CR LF, in UTF-8 as this system's text files. A break at the
// very end opens no line of its own.
QByteArray resultsFileContent(const QString& text)
{
    QStringList lines = text.split(QChar::ParagraphSeparator);
    if (lines.size() > 1 && lines.constLast().isEmpty())
        lines.removeLast();
    const QString content = lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
    return content.toUtf8();
}

} // namespace

TFormViewResults::TFormViewResults(QWidget* owner)
    : TFormSecondary(owner)
    , m_ZoomCommands(this)
{
    setMinimumSize(kViewResultsMinWidth, kViewResultsMinHeight);
    resize(m_Options.Width, m_Options.Height);
    createActions();
    createControls();
    setCaptions();
}

void TFormViewResults::SetOptions(const TOptionsFormViewResults& options)
{
    m_Options = options;
}

void TFormViewResults::ApplyOptions(const TOptionsFormViewResults& options)
{
    const QRect stored(options.Left, options.Top, options.Width, options.Height);
    // The place the window holds is where the user put it; only another is judged as stored.
    if (!windowPlace().holds(stored))
        windowPlace().place(keepOnDesktop(stored, availableVirtualDesktop()));

    m_Memo->setFont(makeFont(options.FontName, options.FontStyle, options.FontSize));
    QPalette palette = m_Memo->palette();
    palette.setColor(QPalette::Text, toQColor(options.FontColor));
    palette.setColor(QPalette::Base, toQColor(options.BackgroundColor));
    m_Memo->setPalette(palette);
    // A size the table lacks is shown all the same; zooming then starts from the default place.
    m_ZoomCommands.zoom().setIndex(CZoom::indexOfSize(options.FontSize));

    if (options.WrapWord != (m_Memo->lineWrapMode() != QPlainTextEdit::NoWrap))
        setWordWrap(options.WrapWord);
    setToolBarShown(options.ShowToolBar);
    m_ZoomCommands.updateButtons();
    update();
}

void TFormViewResults::GetOptions(TOptionsFormViewResults& options) const
{
    const QRect place = windowPlace().normalPlace();
    options.Top = place.top();
    options.Left = place.left();
    options.Width = place.width();
    options.Height = place.height();
    options.FontSize = storedFontSize(options.FontSize, m_Memo->font().pointSize());
    options.WrapWord = m_Memo->lineWrapMode() != QPlainTextEdit::NoWrap;
    options.ShowToolBar = !m_ToolBarMain->isHidden();
}

void TFormViewResults::SetText(const QString& text)
{
    // A CR LF pair would otherwise count as two line breaks.
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_Memo->setPlainText(lines);
    m_Memo->viewport()->update();
}

void TFormViewResults::setCommandsLocked(bool locked)
{
    if (locked) {
        for (QAction* action : actions()) {
            if (action->isEnabled()) {
                action->setEnabled(false);
                m_LockedActions.push_back(action);
            }
        }
        return;
    }
    for (QAction* action : std::exchange(m_LockedActions, {}))
        action->setEnabled(true);
    // Each zoom button takes its action's state again: at the end of its range it stays off.
    m_ZoomCommands.updateButtons();
}

void TFormViewResults::formShow()
{
    CHandlerGuard::run("TFormViewResults::FormShow", [this] {
        setCaptions();
        m_ZoomCommands.applyDefaultFont();
        ApplyOptions(m_Options);
    });
}

void TFormViewResults::formClose()
{
    CHandlerGuard::run("TFormViewResults::FormClose", [this] {
        TFormMainBaseImpl* main = getMainForm();
        if (main == nullptr)
            return;
        GetOptions(m_Options);
        main->setViewResultWindow(m_Options.Top, m_Options.Left, m_Options.Width, m_Options.Height,
                                  m_Options.FontSize, m_Options.WrapWord, m_Options.ShowToolBar);
    });
}

void TFormViewResults::keyPressEvent(QKeyEvent* event)
{
    // The window answers no question, so Esc does not close it as it would a dialog.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    TFormSecondary::keyPressEvent(event);
}

void TFormViewResults::createActions()
{
    m_ActionSave = addGuardedAction(this, "ActionSave", QKeySequence(Qt::CTRL | Qt::Key_S),
                                    [this] { save(); });
    m_ActionExit = addGuardedAction(this, "ActionExit", QKeySequence(), [this] { close(); });
    m_ActionCopy = addGuardedAction(this, "ActionCopy", QKeySequence(Qt::CTRL | Qt::Key_C),
                                    [this] { m_Memo->copy(); });
    m_ActionSelectAll = addGuardedAction(this, "ActionSelectAll",
                                         QKeySequence(Qt::CTRL | Qt::Key_A),
                                         [this] { m_Memo->selectAll(); });
    m_ActionWordWrap = addGuardedAction(this, "ActionWordWrap", QKeySequence(), [this] {
        setWordWrap(m_Memo->lineWrapMode() == QPlainTextEdit::NoWrap);
    });
    m_ActionWordWrap->setCheckable(true);
    m_ActionViewToolBar = addGuardedAction(this, "ActionViewToolBar", QKeySequence(),
                                           [this] { setToolBarShown(m_ToolBarMain->isHidden()); });
    m_ActionViewToolBar->setCheckable(true);
    m_ActionSave->setIcon(appIcon(QStringLiteral("save-results")));
    m_ActionCopy->setIcon(appIcon(QStringLiteral("copy")));
    m_ActionWordWrap->setIcon(appIcon(QStringLiteral("word-wrap")));
}

void TFormViewResults::createControls()
{
    auto* mainMenu = new QMenuBar(this);
    m_MenuItemFile = mainMenu->addMenu(QString());
    m_MenuItemFile->setObjectName(QStringLiteral("MenuItemFile"));
    addMenuItem(m_MenuItemFile, m_ActionSave, "MenuItemFileSave");
    m_MenuItemFile->addSeparator();
    addMenuItem(m_MenuItemFile, m_ActionExit, "MenuItemFileExit");
    m_MenuItemEdit = mainMenu->addMenu(QString());
    m_MenuItemEdit->setObjectName(QStringLiteral("MenuItemEdit"));
    addMenuItem(m_MenuItemEdit, m_ActionCopy, "MenuItemEditCopy");
    addMenuItem(m_MenuItemEdit, m_ActionSelectAll, "MenuItemEditSelectAll");
    m_MenuItemEdit->addSeparator();
    addMenuItem(m_MenuItemEdit, m_ActionWordWrap, "MenuItemEditWordWrap");
    m_MenuItemView = mainMenu->addMenu(QString());
    m_MenuItemView->setObjectName(QStringLiteral("MenuItemView"));
    addMenuItem(m_MenuItemView, m_ActionViewToolBar, "MenuItemViewShowToolBar");
    m_MenuItemView->addSeparator();
    m_ZoomCommands.addMenuItems(m_MenuItemView, "MenuItemView");

    m_PopupMenu = new QMenu(this);
    m_PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    addMenuItem(m_PopupMenu, m_ActionCopy, "MenuItemCopy");
    addMenuItem(m_PopupMenu, m_ActionSelectAll, "MenuItemSelectAll");
    m_PopupMenu->addSeparator();
    m_ZoomCommands.addMenuItems(m_PopupMenu, "MenuItem");

    m_ToolBarMain = new QToolBar(this);
    m_ToolBarMain->setObjectName(QStringLiteral("ToolBarMain"));
    m_ToolBarMain->setIconSize(QSize(kToolBarIconSize, kToolBarIconSize));
    addToolButton(m_ToolBarMain, m_ActionSave, "ToolButtonSave");
    m_ToolBarMain->addSeparator();
    addToolButton(m_ToolBarMain, m_ActionWordWrap, "ToolButtonWordWrap");
    m_ToolBarMain->addSeparator();
    m_ZoomCommands.addToolButtons(m_ToolBarMain);
    setToolBarShown(m_Options.ShowToolBar);

    m_Memo = new QPlainTextEdit(this);
    m_Memo->setObjectName(QStringLiteral("Memo"));
    m_Memo->setReadOnly(true);
    // A caret, moved and selecting by the keys, shows that the text has the focus.
    m_Memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The program's own output: an undo history of it would only grow with every run.
    m_Memo->setUndoRedoEnabled(false);
    m_Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_Memo->setContextMenuPolicy(Qt::CustomContextMenu);
    m_ZoomCommands.setTextWidget(m_Memo);
    connect(m_Memo, &QWidget::customContextMenuRequested, this, [this](const QPoint& place) {
        CHandlerGuard::run("TFormViewResults::MemoContextPopup", [this, place] {
            m_PopupMenu->popup(m_Memo->viewport()->mapToGlobal(place));
        });
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(mainMenu);
    layout->addWidget(m_ToolBarMain);
    layout->addWidget(m_Memo, 1);
}

void TFormViewResults::setCaptions()
{
    setWindowTitle(blankCaption(TTextId::ResultsOfCalculations));
    m_MenuItemFile->setTitle(getNameResource(TTextId::MenuFile));
    m_MenuItemEdit->setTitle(getNameResource(TTextId::MenuEdit));
    m_MenuItemView->setTitle(getNameResource(TTextId::MenuView));
    m_ActionSave->setText(getNameResource(TTextId::FileSave));
    m_ActionExit->setText(getNameResource(TTextId::Exit));
    m_ActionCopy->setText(getNameResource(TTextId::Copy));
    m_ActionSelectAll->setText(getNameResource(TTextId::SelectAll));
    m_ActionWordWrap->setText(getNameResource(TTextId::WordWrap));
    m_ActionViewToolBar->setText(getNameResource(TTextId::ShowHideToolBar));
    m_ZoomCommands.setCaptions();
}

void TFormViewResults::setWordWrap(bool wrap)
{
    m_Memo->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    m_Memo->setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    m_Memo->viewport()->update();
    m_ActionWordWrap->setChecked(wrap);
}

void TFormViewResults::setToolBarShown(bool shown)
{
    m_ToolBarMain->setVisible(shown);
    m_ActionViewToolBar->setChecked(shown);
}

void TFormViewResults::save()
{
    if (m_Memo->document()->isEmpty()) {
        showInformation(this, getNameResource(TTextId::DocumentEmpty) + QLatin1Char('.'),
                        blankCaption(TTextId::SaveCaption));
        return;
    }
    TFileDialogRequest request;
    request.title = blankCaption(TTextId::FileName);
    request.filters = QStringList{getNameResource(TTextId::TextFile) + QLatin1String(" (*.txt)")};
    request.defaultSuffix = QStringLiteral("txt");
    const QString fileName = CDialogSeams::current().chooseSaveFile(this, request);
    if (!fileName.isEmpty())
        saveText(fileName);
}

void TFormViewResults::saveText(const QString& fileName)
{
    QString reason;
    if (writeFileAtomically(fileName, resultsFileContent(m_Memo->document()->toRawText()), reason))
        return;
    writeLog(CFileLog::TYPE_SYSTEM_ERROR, QStringLiteral("TFormViewResults::SaveText"),
             QStringLiteral("The error at saving text."));
    showInformation(this, getNameResourceFileWriteError(fileName) + QLatin1Char('\n') + reason,
                    blankCaption(TTextId::SaveCaption));
}
