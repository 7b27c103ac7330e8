#include "app/Actionitems.h"

#include "framework/Handlerguard.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

QAction* addGuardedAction(QWidget* window, const char* objectName, const QKeySequence& shortcut,
                          std::function<void()> handler)
{
    const QByteArray source = QByteArray(window->metaObject()->className()) + "::" + objectName
                              + "Execute";
    return addGuardedAction(window, objectName, shortcut, source.constData(), std::move(handler));
}

QAction* addGuardedAction(QWidget* window, const char* objectName, const QKeySequence& shortcut,
                          const char* source, std::function<void()> handler)
{
    auto* action = new QAction(window);
    action->setObjectName(QLatin1String(objectName));
    action->setShortcut(shortcut);
    window->addAction(action);
    QObject::connect(action, &QAction::triggered, window,
                     [source = QByteArray(source), handler = std::move(handler)] {
                         CHandlerGuard::run(source.constData(), handler);
                     });
    return action;
}

QAction* addMenuItem(QMenu* menu, QAction* action, const char* objectName)
{
    QAction* item = menu->addAction(QString());
    item->setObjectName(QLatin1String(objectName));
    const auto follow = [item, action] {
        // A menu shows what follows a tab as the short cut, without binding it a second time.
        const QString shortcut = action->shortcut().toString(QKeySequence::NativeText);
        item->setText(shortcut.isEmpty() ? action->text()
                                         : action->text() + QLatin1Char('\t') + shortcut);
        item->setEnabled(action->isEnabled());
        item->setIcon(action->icon());
        // A style draws the check mark only where no icon stands: a toggle's entry shows its
        // state, not its picture.
        if (action->isCheckable()) {
            item->setCheckable(true);
            item->setChecked(action->isChecked());
            item->setIconVisibleInMenu(false);
        }
    };
    follow();
    QObject::connect(action, &QAction::changed, item, follow);
    QObject::connect(item, &QAction::triggered, action, &QAction::trigger);
    return item;
}

QToolButton* addToolButton(QToolBar* toolBar, QAction* action, const char* objectName)
{
    auto* button = new QToolButton(toolBar);
    button->setObjectName(QLatin1String(objectName));
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    // As on the main window's tool bars, the keys pass it by: it shows no focus, and its
    // command is in a menu.
    button->setFocusPolicy(Qt::NoFocus);
    button->setIconSize(toolBar->iconSize());
    QObject::connect(toolBar, &QToolBar::iconSizeChanged, button, &QToolButton::setIconSize);
    toolBar->addWidget(button);
    return button;
}
