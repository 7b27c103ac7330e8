#pragma once

#include "framework/Structures.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;

enum class TMessageButtons { Ok, YesNo, YesNoCancel };
enum class TMessageIcon { Information, Question, Warning, Critical };
enum class TMessageAnswer { Ok, Yes, No, Cancel };

// What a file dialog is opened with. Filters read "Text files (*.txt)"; the first one is
// selected. The default suffix (without the dot) is added to a name typed without one.
struct TFileDialogRequest
{
    QString title;
    QStringList filters;
    QString defaultSuffix;
    QString folder;
    QString fileName;
};

// Every question a window puts to the user in a modal dialog of the desktop, and the opener of
// files and links. Windows ask through current(); tests install a scripted stand-in, so no
// test ever waits on a modal dialog.
class CDialogSeams
{
public:
    virtual ~CDialogSeams() = default;

    // The default answer is the button that Enter presses.
    virtual TMessageAnswer showMessage(QWidget* parent, const QString& text, const QString& caption,
                                       TMessageIcon icon, TMessageButtons buttons,
                                       TMessageAnswer defaultAnswer) = 0;
    // The chosen file's full path, or an empty string when the user cancelled. The open
    // dialog accepts only existing files; the save dialog asks before overwriting one.
    virtual QString chooseOpenFile(QWidget* parent, const TFileDialogRequest& request) = 0;
    virtual QString chooseSaveFile(QWidget* parent, const TFileDialogRequest& request) = 0;
    // False, colour untouched, when the user cancelled.
    virtual bool chooseColor(QWidget* parent, TColor& color) = 0;
    // Hands a file or an address to the desktop's handler; false when none took it.
    virtual bool openWithDesktop(const QUrl& address) = 0;

    static CDialogSeams& current();
    // Tests put their stand-in here; nullptr brings back the desktop's dialogs. The seams are
    // not owned.
    static void install(CDialogSeams* seams);
};

// An information box with an OK button, asked through the current seams.
void showInformation(QWidget* parent, const QString& text, const QString& caption);

// Colours as stored (0x00BBGGRR) and as drawn.
QColor toQColor(TColor color);
TColor fromQColor(const QColor& color);
