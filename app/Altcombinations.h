#pragma once

#include <QObject>

// An Alt combination that no short-cut took would be typed by a text control as its bare
// letter, over the selection, and would pick an entry of a drop-down list by that letter. The
// controls that write or pick what is typed do not get such a key; menus still do, where it
// picks the entry the letter marks. Installed on the application, it covers every window.
class CAltCombinationFilter : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
